#pragma once

#include <cstdint>
#include <string>

namespace kavelin::device {

// "<kind>-<serial>-<8 hex digits>": the serial keeps ids readable in test output, the random
// part keeps ids of two device runs apart.
std::string MakeUniqueId(const char* kind, std::uint64_t serial);

} // namespace kavelin::device
