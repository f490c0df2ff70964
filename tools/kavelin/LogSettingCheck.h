#pragma once

#include <optional>
#include <string>

namespace kavelin::cli {

// Why the library's log setting, as the registry in effect holds it, leaves logging off; nothing
// when there is no setting (logging off on purpose) or the setting works. The library itself
// stays silent about a setting it cannot use, so the program says it once for its user.
std::optional<std::string> LogSettingProblem();

// The reason for one setting value (the part of LogSettingProblem that reads no registry).
std::optional<std::string> LogValueProblem(const std::string& value);

} // namespace kavelin::cli
