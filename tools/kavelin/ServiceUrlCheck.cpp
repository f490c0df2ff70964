#include "ServiceUrlCheck.h"
#include "os/text/AsciiCase.h"

#include <charconv>

namespace kavelin::cli {

namespace {

constexpr std::string_view kHttpScheme = "http://";
constexpr std::string_view kSecureScheme = "https://";
constexpr std::string_view kDirectConnectScheme = "ovdcs:";
constexpr int kHighestPort = 65535;

std::optional<std::string> HttpAuthorityProblem(std::string_view authority) {
    const size_t colon = authority.rfind(':');
    const std::string_view host = authority.substr(0, colon);
    if (host.empty())
        return "it names no host";
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view port = authority.substr(colon + 1);
    int number = 0;
    const auto [stop, error] = std::from_chars(port.data(), port.data() + port.size(), number);
    if (error != std::errc() || stop != port.data() + port.size() || number < 1 ||
        number > kHighestPort)
        return "its port is not a number from 1 to 65535";
    return std::nullopt;
}

} // namespace

std::optional<std::string> ServiceUrlProblem(std::string_view url) {
    if (url.substr(0, kDirectConnectScheme.size()) == kDirectConnectScheme)
        return std::nullopt;
    if (kavelin::os::StartsWithIgnoringAsciiCase(url, kSecureScheme))
        return "HTTPS is not supported";
    if (!kavelin::os::StartsWithIgnoringAsciiCase(url, kHttpScheme))
        return url.find("://") == std::string_view::npos ? "it has no scheme"
                                                         : "its scheme is not supported";
    const std::string_view rest = url.substr(kHttpScheme.size());
    return HttpAuthorityProblem(rest.substr(0, rest.find_first_of("/?#")));
}

} // namespace kavelin::cli
