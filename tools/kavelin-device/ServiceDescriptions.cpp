#include "ServiceDescriptions.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace kavelin::device {

namespace {

constexpr const char* kXdmAccessPath = "/xdm/ixa/IXDMAccessSet.asmx";
constexpr std::size_t kMaxHostBytes = 255;

// Letters, digits and . - : [ ] alone: the address is written into XML unescaped.
bool PlainHost(const std::string& host) {
    return !host.empty() && host.size() <= kMaxHostBytes &&
           std::all_of(host.begin(), host.end(), [](unsigned char c) {
               return std::isalnum(c) || c == '.' || c == '-' || c == ':' || c == '[' || c == ']';
           });
}

} // namespace

std::optional<std::string> ServiceDescriptionFor(const std::string& target,
                                                 const std::string& host) {
    const auto query = target.find('?');
    const std::string_view asked = query == std::string::npos
                                       ? std::string_view()
                                       : std::string_view(target).substr(query + 1);
    // Toolkits ask for "?wsdl" or "?WSDL".
    if (asked.size() != 4 || !std::equal(asked.begin(), asked.end(), "wsdl", [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        })) {
        return std::nullopt;
    }
    const std::string path = target.substr(0, query);
    std::string wsdl = path == kXdmAccessPath ? XdmAccessServiceWsdl() : BaseServiceWsdl();
    // The service's one SOAP address.
    constexpr std::string_view kLocation = ":address location=\"";
    const auto start = wsdl.find(kLocation);
    const auto end = start == std::string::npos ? start : wsdl.find('"', start + kLocation.size());
    if (end != std::string::npos && PlainHost(host) &&
        std::all_of(path.begin(), path.end(), [](unsigned char c) { return std::isgraph(c); }) &&
        path.find_first_of("\"<>&") == std::string::npos) {
        const std::size_t from = start + kLocation.size();
        wsdl.replace(from, end - from, "http://" + host + path);
    }
    return wsdl;
}

} // namespace kavelin::device
