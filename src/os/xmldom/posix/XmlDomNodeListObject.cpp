#include "os/xmldom/posix/XmlDomNodeListObject.h"

#include <limits>
#include <new>

#include "os/xmldom/posix/XmlDomNodeObject.h"

namespace kavelin::os {

XmlDomNodeListObject::XmlDomNodeListObject(std::shared_ptr<const XmlDomTree> tree,
                                           std::vector<XmlDomTree::Node> nodes)
    : mTree(std::move(tree)), mNodes(std::move(nodes)) {
    // The length is a 32-bit count; a selection beyond it keeps its first part.
    if (mNodes.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
        mNodes.resize(static_cast<size_t>(std::numeric_limits<int32_t>::max()));
}

HRESULT STDMETHODCALLTYPE XmlDomNodeListObject::get_length(int32_t* length) {
    if (length == nullptr)
        return E_POINTER;
    *length = static_cast<int32_t>(mNodes.size());
    return S_OK;
}

HRESULT STDMETHODCALLTYPE XmlDomNodeListObject::get_item(int32_t index, IXMLDOMNode** node) {
    if (node == nullptr)
        return E_POINTER;
    *node = nullptr;
    if (index < 0 || static_cast<size_t>(index) >= mNodes.size())
        return S_FALSE;
    *node = new (std::nothrow) XmlDomNodeObject(mTree, mNodes[static_cast<size_t>(index)]);
    return *node == nullptr ? E_OUTOFMEMORY : S_OK;
}

} // namespace kavelin::os
