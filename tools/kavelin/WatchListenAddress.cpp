#include "WatchListenAddress.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <optional>
#include <string_view>
#include <sys/socket.h>
#include <unistd.h>

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

// The local address of a datagram socket connected to `host`: the kernel picks the source
// address of its route there; nothing is sent.
std::optional<std::string> LocalAddressToward(const std::string& host) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), "9", &hints, &found) != 0 || found == nullptr)
        return std::nullopt;
    std::optional<std::string> local;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    socklen_t length = sizeof address;
    char text[INET_ADDRSTRLEN];
    if (fd >= 0 && ::connect(fd, found->ai_addr, found->ai_addrlen) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
        ::inet_ntop(AF_INET, &address.sin_addr, text, sizeof text) != nullptr)
        local = text;
    if (fd >= 0)
        ::close(fd);
    ::freeaddrinfo(found);
    return local;
}

} // namespace

std::string ListenAddressToward(const std::string& serviceUrl) {
    const std::optional<std::string> host = DeviceHost(serviceUrl);
    const std::optional<std::string> local = host ? LocalAddressToward(*host) : std::nullopt;
    return local ? *local : kLoopback;
}

} // namespace kavelin::cli
