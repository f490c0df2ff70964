#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "kavelin/CPComPtr.h"
#include "os/xmldom/XmlDom.h"

// Smart-pointer wrappers over the DOM interfaces, in the manner of COM wrapper classes: a
// failed call raises _com_error with its result, and a call through a missing node, list or
// document raises _com_error(E_POINTER). Texts go in and come out as UTF-16.
namespace kavelin::os {

class XmlDomNodePtr {
public:
    XmlDomNodePtr() = default;
    // Takes over the caller's reference.
    explicit XmlDomNodePtr(IXMLDOMNode* adopted);

    explicit operator bool() const { return static_cast<bool>(mNode); }
    std::u16string text() const;

private:
    CPComPtr<IXMLDOMNode> mNode;
};

class XmlDomNodeListPtr {
public:
    XmlDomNodeListPtr() = default;
    explicit XmlDomNodeListPtr(IXMLDOMNodeList* adopted);

    explicit operator bool() const { return static_cast<bool>(mList); }
    int32_t length() const;
    // A missing node (not an exception) for an index outside the list.
    XmlDomNodePtr item(int32_t index) const;

private:
    CPComPtr<IXMLDOMNodeList> mList;
};

class XmlDomDocumentPtr {
public:
    // Creates "MSXML2.DOMDocument.4.0" by ProgID with every class context allowed, hardened;
    // where that class is not registered or fails to create or harden, "MSXML2.DOMDocument.6.0"
    // the same way. When neither succeeds, the result of 6.0's failing step is returned and the
    // wrapper stays empty.
    HRESULT CreateInstance();

    explicit operator bool() const { return static_cast<bool>(mDocument); }
    // The ProgID the document was created from; null while the wrapper is empty.
    const char16_t* ProgId() const { return mDocument ? mProgId : nullptr; }
    // A text that does not load is a result, false, not an exception.
    bool loadXML(std::u16string_view text);
    void setProperty(std::u16string_view name, std::u16string_view value);
    // A missing node (not an exception) when nothing matches.
    XmlDomNodePtr selectSingleNode(std::u16string_view expression);
    XmlDomNodeListPtr selectNodes(std::u16string_view expression);

private:
    HRESULT CreateFrom(const char16_t* progId);

    CPComPtr<IXMLDOMDocument2> mDocument;
    const char16_t* mProgId = nullptr;
};

} // namespace kavelin::os
