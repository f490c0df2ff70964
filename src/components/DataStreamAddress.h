#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Where the built-in data stream connects for a target. The target is what the proxy passes
// to Open: the service URL behind "ovdcs:" and its leading slashes and backslashes.
//   ""                       the default value of the DirectConnect registry key
//   "unix/run/dev.sock"      the Unix-domain socket /run/dev.sock (the slashes in front of
//                            an absolute path are stripped, hence the "unix" word); a
//                            backslash in it reads as '/', as it does in front of it
//   "127.0.0.1:8080[/...]"   TCP; the host is an IPv4 literal, a bracketed IPv6 literal or
//                            "localhost", so that no name lookup can stall the caller
//   "name[/...]"             the value "name" of the DirectConnect registry key
// A registry value holds an absolute socket path ("/run/dev.sock") or host:port. Whatever
// follows the first '/' or '\' behind a host:port or a name is the request path, which
// travels in the HTTP request line instead.
namespace kavelin::components {

inline constexpr char kDirectConnectKey[] = "SOFTWARE\\Orvanta\\Plotara\\DirectConnect";

struct DeviceAddress {
    enum class Kind { UnixSocket, Tcp };
    Kind kind = Kind::UnixSocket;
    std::string path; // socket path
    std::string host; // numeric IPv4 or IPv6 address
    uint16_t port = 0;

    // "unix:/run/dev.sock" or "127.0.0.1:8080", for diagnostics.
    std::string Describe() const;
};

// Empty when the target names no device or its address is malformed.
std::optional<DeviceAddress> ResolveDataStreamTarget(std::string_view target);

} // namespace kavelin::components
