#include "proxy/XdmDocumentCheck.h"

#include <string_view>

#include "os/text/Text.h"
#include "os/xmldom/XmlDomPtr.h"

namespace kavelin::proxy {

namespace {

constexpr char kNotOneElement[] = "the document is not one well-formed XML element";

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

// "<?xml" and a space, after an optional byte order mark; "<?xml-stylesheet" is another
// processing instruction, which may stand in element content.
bool BeginsWithXmlDeclaration(std::string_view text) {
    constexpr std::string_view kDeclaration = "<?xml";
    text = WithoutByteOrderMark(text);
    return text.starts_with(kDeclaration) && text.size() > kDeclaration.size() &&
           IsXmlSpace(text[kDeclaration.size()]);
}

// Whether the prolog (white space, comments and processing instructions before the first
// element) holds a document type declaration, which may stand only at the start of a whole
// document, not inside the envelope's Body.
bool DeclaresDocumentType(std::string_view text) {
    text = WithoutByteOrderMark(text);
    for (;;) {
        while (!text.empty() && IsXmlSpace(text.front()))
            text.remove_prefix(1);
        std::string_view close;
        if (text.starts_with("<!--"))
            close = "-->";
        else if (text.starts_with("<?"))
            close = "?>";
        else
            return text.starts_with("<!DOCTYPE");
        const size_t end = text.find(close, 2);
        if (end == std::string_view::npos)
            return false;
        text.remove_prefix(end + close.size());
    }
}

} // namespace

std::optional<std::string> WhyDocumentCannotBeSent(const std::string& document) {
    if (document.find('\0') != std::string::npos)
        return std::string(kNotOneElement) + ": it holds a zero byte";
    if (BeginsWithXmlDeclaration(document))
        return std::string(kNotOneElement) + ": it begins with an XML declaration";
    if (DeclaresDocumentType(document))
        return std::string(kNotOneElement) + ": it holds a document type declaration";
    constexpr char kUnchecked[] = "the document could not be checked by the XML component";
    // Unchecked is not sent: the check is what keeps the envelope whole.
    try {
        os::XmlDomDocumentPtr dom;
        if (FAILED(dom.CreateInstance()) || !dom)
            return kUnchecked;
        if (!dom.loadXML(os::NarrowToWide(document)))
            return kNotOneElement;
    } catch (...) {
        return kUnchecked;
    }
    return std::nullopt;
}

} // namespace kavelin::proxy
