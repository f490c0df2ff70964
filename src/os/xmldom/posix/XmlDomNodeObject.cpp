#include "os/xmldom/posix/XmlDomNodeObject.h"

#include "os/xmldom/XmlDomSupport.h"

namespace kavelin::os {

XmlDomNodeObject::XmlDomNodeObject(std::shared_ptr<const XmlDomTree> tree, XmlDomTree::Node node)
    : mTree(std::move(tree)), mNode(node) {}

HRESULT STDMETHODCALLTYPE XmlDomNodeObject::get_text(BSTR* text) {
    if (text == nullptr)
        return E_POINTER;
    return GuardComCall([&] { return NewBstr(XmlDomTree::Text(mNode), text); });
}

} // namespace kavelin::os
