#pragma once

#include <memory>

#include "kavelin/ComObject.h"
#include "os/xmldom/XmlDom.h"
#include "os/xmldom/posix/XmlDomTree.h"

namespace kavelin::os {

// The DOM document over libxml2. Empty until a text loads; a failed load empties it again.
class XmlDomDocumentObject final : public kavelin::DispatchObject<IXMLDOMDocument2> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;

    HRESULT STDMETHODCALLTYPE get_text(BSTR* text) override;
    HRESULT STDMETHODCALLTYPE loadXML(BSTR text, VARIANT_BOOL* loaded) override;
    HRESULT STDMETHODCALLTYPE setProperty(BSTR name, BSTR value) override;
    HRESULT STDMETHODCALLTYPE selectSingleNode(BSTR expression, IXMLDOMNode** node) override;
    HRESULT STDMETHODCALLTYPE selectNodes(BSTR expression, IXMLDOMNodeList** nodes) override;

private:
    std::shared_ptr<const XmlDomTree> mTree;
};

} // namespace kavelin::os
