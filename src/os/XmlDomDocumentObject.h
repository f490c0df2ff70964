#pragma once

#include <memory>

#include "kavelin/ComObject.h"
#include "os/XmlDom.h"
#include "os/XmlDomTree.h"

namespace os {

// The DOM document over libxml2. Empty until a text loads; a failed load empties it again.
class XmlDomDocumentObject final : public kavelin::DispatchObject<IXMLDOMDocument2> {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override;

    HRESULT get_text(BSTR* text) override;
    HRESULT loadXML(BSTR text, VARIANT_BOOL* loaded) override;
    HRESULT setProperty(BSTR name, BSTR value) override;
    HRESULT selectSingleNode(BSTR expression, IXMLDOMNode** node) override;
    HRESULT selectNodes(BSTR expression, IXMLDOMNodeList** nodes) override;

private:
    std::shared_ptr<const XmlDomTree> mTree;
};

} // namespace os
