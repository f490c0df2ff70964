#include "ParameterDocuments.h"

#include "UsageError.h"

namespace kavelin::cli {

namespace {

bool XmlCannotCarry(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

void AppendElement(std::string& document, const char* name, const std::string& text) {
    document += '<';
    document += name;
    document += '>';
    document += EscapeXmlText(text);
    document += "</";
    document += name;
    document += '>';
}

} // namespace

std::string EscapeXmlText(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        if (XmlCannotCarry(c))
            throw UsageError("a text holds a control character that XML cannot carry",
                             Command::None);
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&apos;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string PrefixMapDocument(const std::vector<NamePair>& prefixes) {
    if (prefixes.empty())
        return {};
    std::string document = "<PrefixMapList>";
    for (const auto& [prefix, url] : prefixes) {
        document += "<PrefixMap>";
        AppendElement(document, "Prefix", prefix);
        AppendElement(document, "URL", url);
        document += "</PrefixMap>";
    }
    return document + "</PrefixMapList>";
}

std::string SubscriptionInfoDocument(const std::string& eventName,
                                     const std::optional<std::string>& cookie,
                                     const std::optional<std::string>& reliability) {
    std::string document = "<SubscriptionInfo>";
    AppendElement(document, "EventName", eventName);
    if (cookie)
        AppendElement(document, "ClientCookie", *cookie);
    if (reliability)
        AppendElement(document, "ReliabilityOption", *reliability);
    return document + "</SubscriptionInfo>";
}

std::string FilterDocument(const std::vector<NamePair>& filters) {
    if (filters.empty())
        return {};
    std::string document = "<Filter>";
    for (const auto& [name, value] : filters) {
        document += "<FilterOn>";
        AppendElement(document, "Name", name);
        AppendElement(document, "Value", value);
        document += "</FilterOn>";
    }
    return document + "</Filter>";
}

} // namespace kavelin::cli
