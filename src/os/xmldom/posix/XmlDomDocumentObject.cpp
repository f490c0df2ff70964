#include "os/xmldom/posix/XmlDomDocumentObject.h"

#include <new>

#include "os/com/ComClassTable.h"
#include "os/xmldom/XmlDomSupport.h"
#include "os/xmldom/posix/XmlDomNodeListObject.h"
#include "os/xmldom/posix/XmlDomNodeObject.h"

namespace kavelin::os {

HRESULT STDMETHODCALLTYPE XmlDomDocumentObject::QueryInterface(REFIID iid, void** object) {
    // A document is also a node, as in the Windows DOM.
    if (object != nullptr && iid == IXMLDOMNode::kInterfaceId) {
        *object = static_cast<IXMLDOMNode*>(this);
        AddRef();
        return S_OK;
    }
    return DispatchObject::QueryInterface(iid, object);
}

HRESULT STDMETHODCALLTYPE XmlDomDocumentObject::get_text(BSTR* text) {
    if (text == nullptr)
        return E_POINTER;
    return GuardComCall([&] {
        if (mTree) {
            if (auto root = mTree->Select(u"/"); root && !root->empty())
                return NewBstr(XmlDomTree::Text(root->front()), text);
        }
        return NewBstr(u"", text);
    });
}

HRESULT STDMETHODCALLTYPE XmlDomDocumentObject::loadXML(BSTR text, VARIANT_BOOL* loaded) {
    if (loaded != nullptr)
        *loaded = VARIANT_FALSE;
    mTree.reset();
    return GuardComCall([&] {
        mTree = XmlDomTree::Parse(BstrView(text));
        if (!mTree)
            return S_FALSE;
        if (loaded != nullptr)
            *loaded = VARIANT_TRUE;
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE XmlDomDocumentObject::setProperty(BSTR name, BSTR value) {
    // XPath is the only selection language here, and already the one in use.
    if (BstrView(name) != u"SelectionLanguage")
        return E_INVALIDARG;
    return BstrView(value) == u"XPath" ? S_OK : E_FAIL;
}

HRESULT STDMETHODCALLTYPE XmlDomDocumentObject::selectSingleNode(BSTR expression,
                                                                 IXMLDOMNode** node) {
    if (node == nullptr)
        return E_POINTER;
    *node = nullptr;
    return GuardComCall([&] {
        if (!mTree)
            return S_FALSE;
        const auto selected = mTree->Select(BstrView(expression));
        if (!selected)
            return E_FAIL;
        if (selected->empty())
            return S_FALSE;
        *node = new XmlDomNodeObject(mTree, selected->front());
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE XmlDomDocumentObject::selectNodes(BSTR expression,
                                                            IXMLDOMNodeList** nodes) {
    if (nodes == nullptr)
        return E_POINTER;
    *nodes = nullptr;
    return GuardComCall([&] {
        std::vector<XmlDomTree::Node> selected;
        if (mTree) {
            auto matches = mTree->Select(BstrView(expression));
            if (!matches)
                return E_FAIL;
            selected = std::move(*matches);
        }
        *nodes = new XmlDomNodeListObject(mTree, std::move(selected));
        return S_OK;
    });
}

void RegisterXmlDomClass() {
    RegisterBuiltInClass(kXmlDomProgId, kXmlDomClassId, CLSCTX_INPROC_SERVER,
                         &kavelin::CreateComObject<XmlDomDocumentObject>);
}

} // namespace kavelin::os
