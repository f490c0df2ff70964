#include "os/kernel/HostAddress.h"

#include "os/kernel/win32/Winsock.h"

#include <winsock2.h>
#include <ws2tcpip.h>

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

std::optional<std::string> RouteLocalIPv4Address(const std::string& peerHost) {
    EnsureWinsock();
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* peers = nullptr;
    // The port only completes the address: a datagram socket's connect sends nothing.
    if (getaddrinfo(peerHost.c_str(), "9", &hints, &peers) != 0 || peers == nullptr)
        return std::nullopt;
    std::optional<std::string> local;
    const SOCKET route = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    if (route != INVALID_SOCKET) {
        sockaddr_in bound{};
        int size = sizeof(bound);
        if (connect(route, peers->ai_addr, static_cast<int>(peers->ai_addrlen)) == 0 &&
            getsockname(route, reinterpret_cast<sockaddr*>(&bound), &size) == 0 &&
            bound.sin_family == AF_INET && bound.sin_addr.s_addr != htonl(INADDR_ANY))
            local = inet_ntoa(bound.sin_addr);
        closesocket(route);
    }
    freeaddrinfo(peers);
    return local;
}

} // namespace kavelin::os
