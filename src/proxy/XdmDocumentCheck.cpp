#include "proxy/XdmDocumentCheck.h"

#include <string_view>

#include "os/Text.h"
#include "os/XmlDomPtr.h"

namespace kavelin::proxy {

namespace {

constexpr char kNotOneElement[] = "the document is not one well-formed XML element";

bool IsXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// "<?xml" and a space, after an optional byte order mark; "<?xml-stylesheet" is another
// processing instruction, which may stand in element content.
bool BeginsWithXmlDeclaration(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    constexpr std::string_view kDeclaration = "<?xml";
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    return text.starts_with(kDeclaration) && text.size() > kDeclaration.size() &&
           IsXmlSpace(text[kDeclaration.size()]);
}

} // namespace

std::optional<std::string> WhyDocumentCannotBeSent(const std::string& document) {
    if (document.find('\0') != std::string::npos)
        return std::string(kNotOneElement) + ": it holds a zero byte";
    if (BeginsWithXmlDeclaration(document))
        return std::string(kNotOneElement) + ": it begins with an XML declaration";
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
