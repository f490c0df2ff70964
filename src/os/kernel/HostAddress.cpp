#include "os/kernel/HostAddress.h"

namespace kavelin::os {

std::optional<std::string> ChooseHostAddress(const std::vector<Ipv4Interface>& interfaces) {
    for (const auto& candidate : interfaces)
        if (!candidate.loopback)
            return candidate.address;
    if (!interfaces.empty())
        return interfaces.front().address;
    return std::nullopt;
}

} // namespace kavelin::os
