#include "os/xmldom/XmlDomPtr.h"

#include "os/com/ComCreation.h"
#include "os/xmldom/XmlDomSupport.h"

namespace kavelin::os {

namespace {

// Every class context: in process, in-process handler and local server.
constexpr DWORD kAnyContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

void Check(HRESULT result) {
    if (FAILED(result))
        _com_issue_error(result);
}

template <typename Interface> Interface* Present(const CPComPtr<Interface>& pointer) {
    if (!pointer)
        _com_issue_error(E_POINTER);
    return pointer.Get();
}

// A BSTR argument for the length of one call, as a wrapper string class would hand it over.
class BstrArgument {
public:
    explicit BstrArgument(std::u16string_view text) { Check(NewBstr(text, &mValue)); }
    BstrArgument(const BstrArgument&) = delete;
    BstrArgument& operator=(const BstrArgument&) = delete;
    ~BstrArgument() { SysFreeString(mValue); }

    BSTR Get() const { return mValue; }

private:
    BSTR mValue = nullptr;
};

} // namespace

XmlDomNodePtr::XmlDomNodePtr(IXMLDOMNode* adopted) {
    mNode.Attach(adopted);
}

std::u16string XmlDomNodePtr::text() const {
    BSTR value = nullptr;
    Check(Present(mNode)->get_text(&value));
    std::u16string text(BstrView(value));
    SysFreeString(value);
    return text;
}

XmlDomNodeListPtr::XmlDomNodeListPtr(IXMLDOMNodeList* adopted) {
    mList.Attach(adopted);
}

int32_t XmlDomNodeListPtr::length() const {
    XmlDomLength length = 0;
    Check(Present(mList)->get_length(&length));
    return static_cast<int32_t>(length);
}

XmlDomNodePtr XmlDomNodeListPtr::item(int32_t index) const {
    IXMLDOMNode* node = nullptr;
    Check(Present(mList)->get_item(index, &node));
    return XmlDomNodePtr(node);
}

HRESULT XmlDomDocumentPtr::CreateInstance() {
    const HRESULT result = CreateFrom(kXmlDomProgId);
    return SUCCEEDED(result) ? result : CreateFrom(kXmlDomFallbackProgId);
}

HRESULT XmlDomDocumentPtr::CreateFrom(const char16_t* progId) {
    mDocument.Release();
    void* object = nullptr;
    HRESULT result = CreateComponent(progId, kavelin::InterfaceId<IXMLDOMDocument2>, &object,
                                     [] { return kAnyContext; });
    if (FAILED(result))
        return result;
    mDocument.Attach(static_cast<IXMLDOMDocument2*>(object));
    mProgId = progId;
    result = HardenDocument(mDocument.Get());
    if (FAILED(result))
        mDocument.Release();
    return result;
}

bool XmlDomDocumentPtr::loadXML(std::u16string_view text) {
    IXMLDOMDocument2* document = Present(mDocument);
    const BstrArgument argument(TextToLoad(text));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    const HRESULT result = document->loadXML(argument.Get(), &loaded);
    return SUCCEEDED(result) && loaded == VARIANT_TRUE;
}

void XmlDomDocumentPtr::setProperty(std::u16string_view name, std::u16string_view value) {
    IXMLDOMDocument2* document = Present(mDocument);
    const BstrArgument nameArgument(name);
    const BstrArgument valueArgument(value);
    Check(SetTextProperty(document, nameArgument.Get(), valueArgument.Get()));
}

XmlDomNodePtr XmlDomDocumentPtr::selectSingleNode(std::u16string_view expression) {
    IXMLDOMDocument2* document = Present(mDocument);
    const BstrArgument argument(expression);
    IXMLDOMNode* node = nullptr;
    Check(document->selectSingleNode(argument.Get(), &node));
    return XmlDomNodePtr(node);
}

XmlDomNodeListPtr XmlDomDocumentPtr::selectNodes(std::u16string_view expression) {
    IXMLDOMDocument2* document = Present(mDocument);
    const BstrArgument argument(expression);
    IXMLDOMNodeList* nodes = nullptr;
    Check(document->selectNodes(argument.Get(), &nodes));
    return XmlDomNodeListPtr(nodes);
}

} // namespace kavelin::os
