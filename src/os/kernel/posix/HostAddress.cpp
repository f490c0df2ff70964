#include "os/kernel/HostAddress.h"

#include "os/kernel/LastError.h"

#include <arpa/inet.h>
#include <cerrno>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kavelin::os {

std::vector<Ipv4Interface> Ipv4Interfaces() {
    std::vector<Ipv4Interface> interfaces;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        SetLastErrorCode(static_cast<uint32_t>(errno));
        return interfaces;
    }
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET ||
            (entry->ifa_flags & IFF_UP) == 0)
            continue;
        const auto* address = reinterpret_cast<const sockaddr_in*>(entry->ifa_addr);
        char dotted[INET_ADDRSTRLEN] = {};
        if (inet_ntop(AF_INET, &address->sin_addr, dotted, sizeof(dotted)) == nullptr)
            continue;
        interfaces.push_back({dotted, (entry->ifa_flags & IFF_LOOPBACK) != 0});
    }
    freeifaddrs(list);
    return interfaces;
}

std::optional<std::string> FirstIPv4Address() {
    auto address = ChooseHostAddress(Ipv4Interfaces());
    if (!address)
        SetLastErrorCode(static_cast<uint32_t>(EADDRNOTAVAIL));
    return address;
}

std::optional<std::string> LocalHostName() {
    char name[256] = {};
    if (gethostname(name, sizeof(name) - 1) != 0) {
        SetLastErrorCode(static_cast<uint32_t>(errno));
        return std::nullopt;
    }
    return std::string(name);
}

std::optional<std::string> RouteLocalIPv4Address(const std::string& peerHost) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* peers = nullptr;
    // The port only completes the address: a datagram socket's connect sends nothing.
    if (getaddrinfo(peerHost.c_str(), "9", &hints, &peers) != 0 || peers == nullptr)
        return std::nullopt;
    std::optional<std::string> local;
    const int route = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (route >= 0) {
        sockaddr_in bound{};
        socklen_t size = sizeof(bound);
        char dotted[INET_ADDRSTRLEN] = {};
        if (connect(route, peers->ai_addr, peers->ai_addrlen) == 0 &&
            getsockname(route, reinterpret_cast<sockaddr*>(&bound), &size) == 0 &&
            bound.sin_family == AF_INET && bound.sin_addr.s_addr != htonl(INADDR_ANY) &&
            inet_ntop(AF_INET, &bound.sin_addr, dotted, sizeof(dotted)) != nullptr)
            local = dotted;
        close(route);
    }
    freeaddrinfo(peers);
    return local;
}

} // namespace kavelin::os
