#pragma once

#include <optional>
#include <string>
#include <vector>

// The library's bounds of an exchange are registry values under SOFTWARE\Orvanta\Plotara, read
// as strings holding whole numbers. The host sets them for one run from its options and warns
// about a value in effect that the library would pass over silently.
namespace kavelin::cli {

// A registry file that sets "ConnectTimeout" and "IOTimeout" to `waitSeconds` and
// "TransferTimeout" to `answerSeconds`, each when given; nothing when neither is.
std::optional<std::string> TimeLimitRegistryText(std::optional<long> waitSeconds,
                                                 std::optional<long> answerSeconds);

// One warning for each of those values (and "MaxAnswerSize") that the registry in effect holds
// in a form the library ignores, keeping its default: a dword or other non-string value, or a
// string that is not a whole number in the library's range.
std::vector<std::string> IgnoredLimitSettings();

} // namespace kavelin::cli
