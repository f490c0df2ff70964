#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kavelin::cli {

// What is wrong with a service URL, or nothing when the library can use it: an http:// URL
// with a host (and a port from 1 to 65535 when one is given), or an ovdcs: URL. Anything else
// would only fail after the connect wait, or reach no device at all.
std::optional<std::string> ServiceUrlProblem(std::string_view url);

// The forms named in the message of a rejected URL.
inline constexpr char kAcceptedUrlForms[] = "http://host[:port]/path or ovdcs:...";

} // namespace kavelin::cli
