#include "os/HostAddress.h"

#include "os/win32/Winsock.h"

#include <winsock2.h>

namespace kavelin::os {

std::vector<Ipv4Interface> Ipv4Interfaces() {
    std::vector<Ipv4Interface> interfaces;
    const std::optional<std::string> name = LocalHostName();
    if (!name)
        return interfaces;
    const hostent* entry = gethostbyname(name->c_str());
    if (entry == nullptr || entry->h_addrtype != AF_INET)
        return interfaces;
    for (char** address = entry->h_addr_list; *address != nullptr; ++address) {
        in_addr ipv4;
        memcpy(&ipv4, *address, sizeof(ipv4));
        interfaces.push_back({inet_ntoa(ipv4), (ntohl(ipv4.s_addr) >> 24) == 127});
    }
    return interfaces;
}

// The first address of the host entry, as Windows orders them.
std::optional<std::string> FirstIPv4Address() {
    const std::vector<Ipv4Interface> interfaces = Ipv4Interfaces();
    if (interfaces.empty()) {
        if (WSAGetLastError() == 0)
            WSASetLastError(WSANO_DATA);
        return std::nullopt;
    }
    return interfaces.front().address;
}

std::optional<std::string> LocalHostName() {
    EnsureWinsock();
    char name[256] = {};
    if (gethostname(name, sizeof(name)) != 0)
        return std::nullopt;
    return std::string(name);
}

std::optional<std::string> SocketLocalIPv4Address(uintptr_t socket) {
    sockaddr_in local{};
    int size = sizeof(local);
    if (getsockname(static_cast<SOCKET>(socket), reinterpret_cast<sockaddr*>(&local), &size) != 0 ||
        local.sin_family != AF_INET || local.sin_addr.s_addr == htonl(INADDR_ANY))
        return std::nullopt;
    return std::string(inet_ntoa(local.sin_addr));
}

} // namespace kavelin::os
