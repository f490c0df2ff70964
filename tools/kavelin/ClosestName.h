#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kavelin::cli {

// The name of `known` that `typed` most likely misspells: the nearest by edits (a letter
// added, dropped or changed), when it is at most two edits away and closer than a third of
// what was typed; nothing otherwise.
std::optional<std::string> ClosestName(const std::string& typed,
                                       const std::vector<std::string>& known);

} // namespace kavelin::cli
