#include "proxy/ServiceUrlForm.h"

#include <strings.h>

namespace kavelin::proxy {

bool NamesNetworkPeer(std::string_view url) {
    constexpr std::string_view kScheme = "http://";
    if (url.size() <= kScheme.size() ||
        strncasecmp(url.data(), kScheme.data(), kScheme.size()) != 0)
        return false;
    const std::string_view rest = url.substr(kScheme.size());
    const std::size_t hostEnd = rest.find_first_of(":/?#");
    return hostEnd != 0;
}

} // namespace kavelin::proxy
