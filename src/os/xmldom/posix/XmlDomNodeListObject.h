#pragma once

#include <memory>
#include <vector>

#include "kavelin/ComObject.h"
#include "os/xmldom/XmlDom.h"
#include "os/xmldom/posix/XmlDomTree.h"

namespace kavelin::os {

// The result of a selection, fixed when it was made; it keeps its document's tree alive.
class XmlDomNodeListObject final : public kavelin::DispatchObject<IXMLDOMNodeList> {
public:
    XmlDomNodeListObject(std::shared_ptr<const XmlDomTree> tree,
                         std::vector<XmlDomTree::Node> nodes);

    HRESULT STDMETHODCALLTYPE get_length(int32_t* length) override;
    HRESULT STDMETHODCALLTYPE get_item(int32_t index, IXMLDOMNode** node) override;

private:
    std::shared_ptr<const XmlDomTree> mTree;
    std::vector<XmlDomTree::Node> mNodes;
};

} // namespace kavelin::os
