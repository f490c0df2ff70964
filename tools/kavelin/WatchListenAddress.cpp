#include "WatchListenAddress.h"

#include <optional>
#include <string_view>

#include "os/kernel/HostAddress.h"

namespace kavelin::cli {

namespace {

constexpr char kLoopback[] = "127.0.0.1";
constexpr std::string_view kHttp = "http://";
constexpr std::string_view kDirectConnect = "ovdcs:";

// The host part of an http:// URL, or of a direct-connect URL that names HOST:PORT.
std::optional<std::string> DeviceHost(std::string_view url) {
    if (url.starts_with(kHttp)) {
        url.remove_prefix(kHttp.size());
    } else if (url.starts_with(kDirectConnect)) {
        url.remove_prefix(kDirectConnect.size());
        while (url.starts_with("/") || url.starts_with("\\"))
            url.remove_prefix(1);
        if (url.find(':') == std::string_view::npos)
            return std::nullopt; // a Unix socket path or a configured name
    } else {
        return std::nullopt;
    }
    url = url.substr(0, url.find_first_of("/?#"));
    if (const std::size_t at = url.rfind('@'); at != std::string_view::npos)
        url.remove_prefix(at + 1);
    const std::string_view host = url.substr(0, url.find(':'));
    if (host.empty() || host.starts_with("["))
        return std::nullopt;
    return std::string(host);
}

} // namespace

std::string ListenAddressToward(const std::string& serviceUrl) {
    const std::optional<std::string> host = DeviceHost(serviceUrl);
    const std::optional<std::string> local = host ? os::RouteLocalIPv4Address(*host) : std::nullopt;
    return local ? *local : kLoopback;
}

} // namespace kavelin::cli
