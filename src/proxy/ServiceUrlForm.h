#pragma once

#include <string_view>

namespace kavelin::proxy {

// Whether an HTTP service URL names a peer: "http://" (any case) and a non-empty host before
// the port or path. Anything else (no host, HTTPS without TLS support, "file:", a bare path)
// would make the engine fall back to the process's standard input and output.
bool NamesNetworkPeer(std::string_view url);

} // namespace kavelin::proxy
