#pragma once

#include <cstdint>
#include <string>

// The values of the watch command's own options. Each throws UsageError for a value it cannot
// use.
namespace kavelin::cli {

// ADDRESS[:PORT]: a dotted IPv4 address, and a port from 0 (any free one) to 65535.
void ReadListenAddress(const std::string& text, std::string* address, std::uint16_t* port);

// A whole number of events from 1 to 1000000.
long ReadWatchCount(const std::string& text);

// Seconds for `option` (--duration, --check), fractions allowed, more than 0 and at most a week.
double ReadWatchSeconds(const std::string& option, const std::string& text);

} // namespace kavelin::cli
