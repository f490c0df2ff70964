#pragma once

#include <memory>

#include "kavelin/ComObject.h"
#include "os/xmldom/XmlDom.h"
#include "os/xmldom/posix/XmlDomTree.h"

namespace kavelin::os {

// One selected node; it keeps its document's tree alive.
class XmlDomNodeObject final : public kavelin::DispatchObject<IXMLDOMNode> {
public:
    XmlDomNodeObject(std::shared_ptr<const XmlDomTree> tree, XmlDomTree::Node node);

    HRESULT STDMETHODCALLTYPE get_text(BSTR* text) override;

private:
    std::shared_ptr<const XmlDomTree> mTree;
    XmlDomTree::Node mNode;
};

} // namespace kavelin::os
