#include "components/DataStreamAddress.h"

#include <algorithm>
#include <charconv>

#include "os/registry/Registry.h"
#include "os/text/AsciiCase.h"

namespace kavelin::components {

namespace {

constexpr std::string_view kUnixWord = "unix";
constexpr std::string_view kSeparators = "/\\";

// Decimal digits only, so that "+80" or " 80" are refused rather than read loosely.
template <typename Number> std::optional<Number> ParseDecimal(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool IsIpv4Literal(std::string_view text) {
    int parts = 0;
    while (true) {
        const size_t dot = text.find('.');
        const std::string_view part = text.substr(0, dot);
        const std::optional<unsigned> value = ParseDecimal<unsigned>(part);
        if (!value || *value > 255 || part.size() > 3)
            return false;
        ++parts;
        if (dot == std::string_view::npos)
            break;
        text.remove_prefix(dot + 1);
    }
    return parts == 4;
}

bool IsIpv6Literal(std::string_view text) {
    return !text.empty() && text.find(':') != std::string_view::npos &&
           text.find_first_not_of("0123456789abcdefABCDEF:.") == std::string_view::npos;
}

std::optional<DeviceAddress> ParseHostPort(std::string_view text) {
    std::string_view host;
    std::string_view port;
    if (text.starts_with('[')) {
        const size_t close = text.find(']');
        if (close == std::string_view::npos || text.substr(close + 1).size() < 2 ||
            text[close + 1] != ':')
            return std::nullopt;
        host = text.substr(1, close - 1);
        port = text.substr(close + 2);
        if (!IsIpv6Literal(host))
            return std::nullopt;
    } else {
        const size_t colon = text.rfind(':');
        if (colon == std::string_view::npos)
            return std::nullopt;
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (os::EqualsIgnoringAsciiCase(host, "localhost"))
            host = "127.0.0.1";
        else if (!IsIpv4Literal(host))
            return std::nullopt;
    }
    const std::optional<uint16_t> number = ParseDecimal<uint16_t>(port);
    if (!number || *number == 0)
        return std::nullopt;
    DeviceAddress address;
    address.kind = DeviceAddress::Kind::Tcp;
    address.host = std::string(host);
    address.port = *number;
    return address;
}

std::optional<DeviceAddress> UnixSocket(std::string path) {
    DeviceAddress address;
    address.kind = DeviceAddress::Kind::UnixSocket;
    address.path = std::move(path);
    return address;
}

// The path of the "unix" form: '\' separates its folders as '/' does, as in front of it, so
// "unix\run\dev.sock" is /run/dev.sock. A socket whose name holds a backslash
// is named through a DirectConnect value, which is taken verbatim.
std::string SocketPath(std::string_view rest) {
    std::string path = "/" + std::string(rest);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// A registry value: an absolute socket path or host:port; never another name.
std::optional<DeviceAddress> ParseStoredAddress(std::string_view value) {
    if (value.starts_with('/'))
        return value.size() > 1 ? UnixSocket(std::string(value)) : std::nullopt;
    return ParseHostPort(value);
}

} // namespace

std::string DeviceAddress::Describe() const {
    if (kind == Kind::UnixSocket)
        return "unix:" + path;
    const bool ipv6 = host.find(':') != std::string::npos;
    return (ipv6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

std::optional<DeviceAddress> ResolveDataStreamTarget(std::string_view target) {
    if (target.size() > kUnixWord.size() + 1 &&
        os::EqualsIgnoringAsciiCase(target.substr(0, kUnixWord.size()), kUnixWord) &&
        kSeparators.find(target[kUnixWord.size()]) != std::string_view::npos)
        return UnixSocket(SocketPath(target.substr(kUnixWord.size() + 1)));
    const std::string_view head = target.substr(0, target.find_first_of(kSeparators));
    if (std::optional<DeviceAddress> direct = ParseHostPort(head))
        return direct;
    const std::optional<std::string> stored = os::ReadRegistryString(kDirectConnectKey, head);
    if (!stored)
        return std::nullopt;
    return ParseStoredAddress(*stored);
}

} // namespace kavelin::components
