#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "kavelin/ComBase.h"
#include "os/xmldom/XmlDomDocumentType.h"

// The XML DOM component "MSXML2.DOMDocument.4.0" (or "MSXML2.DOMDocument.6.0" where 4.0 is
// gone): the interfaces and members that the library calls, in the shapes of the Windows DOM. Texts
// cross as BSTR both ways; a null BSTR argument reads as the empty text.

#if defined(_WIN32)
// The platform's own DOM.
#include <msxml2.h>

namespace kavelin {
template <>
inline constexpr IID InterfaceId<IXMLDOMNode> = MakeGuid("{2933BF80-7B36-11D2-B20E-00C04F983E60}");
template <>
inline constexpr IID
    InterfaceId<IXMLDOMNodeList> = MakeGuid("{2933BF82-7B36-11D2-B20E-00C04F983E60}");
template <>
inline constexpr IID
    InterfaceId<IXMLDOMDocument2> = MakeGuid("{2933BF95-7B36-11D2-B20E-00C04F983E60}");
} // namespace kavelin

namespace kavelin::os {
using XmlDomLength = long;

// The platform's DOM reads DTDs and fetches external resources unless told not to; the
// library's documents come from hosts and devices, so neither is allowed.
inline HRESULT HardenDocument(IXMLDOMDocument2* document) {
    VARIANT on;
    VariantInit(&on);
    on.vt = VT_BOOL;
    on.boolVal = VARIANT_TRUE;
    BSTR name = SysAllocString(L"ProhibitDTD");
    if (name == nullptr)
        return E_OUTOFMEMORY;
    HRESULT result = document->setProperty(name, on);
    SysFreeString(name);
    if (SUCCEEDED(result))
        result = document->put_resolveExternals(VARIANT_FALSE);
    if (SUCCEEDED(result))
        result = document->put_validateOnParse(VARIANT_FALSE);
    return result;
}

// ProhibitDTD refuses every DOCTYPE; one that declares nothing is taken out first, so the
// platform's DOM loads the same documents as the stand-in.
inline std::u16string TextToLoad(std::u16string_view text) {
    return WithoutEmptyDocumentType(text);
}

inline HRESULT SetTextProperty(IXMLDOMDocument2* document, BSTR name, BSTR value) {
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = value;
    return document->setProperty(name, text);
}
} // namespace kavelin::os
#else
using VARIANT_BOOL = int16_t;
constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

struct IXMLDOMNode : IDispatch {
    static constexpr IID kInterfaceId = kavelin::MakeGuid("{7E5035A4-BDF0-40E4-8D60-02C1AC76AA44}");

    // The character data below the node, without surrounding white space.
    virtual HRESULT STDMETHODCALLTYPE get_text(BSTR* text) = 0;

protected:
    ~IXMLDOMNode() = default;
};

struct IXMLDOMNodeList : IDispatch {
    static constexpr IID kInterfaceId = kavelin::MakeGuid("{F6EDF291-75A3-4BF2-8216-43DAB711B662}");

    virtual HRESULT STDMETHODCALLTYPE get_length(int32_t* length) = 0;
    // S_FALSE and a null node for an index outside the list.
    virtual HRESULT STDMETHODCALLTYPE get_item(int32_t index, IXMLDOMNode** node) = 0;

protected:
    ~IXMLDOMNodeList() = default;
};

struct IXMLDOMDocument2 : IXMLDOMNode {
    static constexpr IID kInterfaceId = kavelin::MakeGuid("{B0D6E8CC-502B-40F2-8936-475B3DEE09B5}");

    // S_OK and VARIANT_TRUE when the text is a well-formed, acceptable document; otherwise
    // S_FALSE and VARIANT_FALSE, and the document is empty.
    virtual HRESULT STDMETHODCALLTYPE loadXML(BSTR text, VARIANT_BOOL* loaded) = 0;
    // Only "SelectionLanguage" = "XPath" is known: E_INVALIDARG for another name, E_FAIL for
    // another value.
    virtual HRESULT STDMETHODCALLTYPE setProperty(BSTR name, BSTR value) = 0;
    // The first match in document order, or S_FALSE and null; E_FAIL for an expression that
    // does not compile or does not select nodes.
    virtual HRESULT STDMETHODCALLTYPE selectSingleNode(BSTR expression, IXMLDOMNode** node) = 0;
    // Every match in document order; E_FAIL as for selectSingleNode.
    virtual HRESULT STDMETHODCALLTYPE selectNodes(BSTR expression, IXMLDOMNodeList** nodes) = 0;

protected:
    ~IXMLDOMDocument2() = default;
};

namespace kavelin::os {
using XmlDomLength = int32_t;

// The stand-in never reads a DTD nor fetches anything.
inline HRESULT HardenDocument(IXMLDOMDocument2*) {
    return S_OK;
}

// The stand-in applies the DOCTYPE rule itself.
inline std::u16string_view TextToLoad(std::u16string_view text) {
    return text;
}

inline HRESULT SetTextProperty(IXMLDOMDocument2* document, BSTR name, BSTR value) {
    return document->setProperty(name, value);
}
} // namespace kavelin::os
#endif

namespace kavelin::os {

inline constexpr char16_t kXmlDomProgId[] = u"MSXML2.DOMDocument.4.0";
// Current Windows no longer ships 4.0; 6.0 is on every Windows since Vista.
inline constexpr char16_t kXmlDomFallbackProgId[] = u"MSXML2.DOMDocument.6.0";
inline constexpr CLSID kXmlDomClassId = kavelin::MakeGuid("{41D65E43-FC61-4DFF-ABB3-CF839D2BEA74}");

// Adds the DOM document class to the process's class table (in process).
void RegisterXmlDomClass();

} // namespace kavelin::os
