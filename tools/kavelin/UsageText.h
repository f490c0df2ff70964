#pragma once

#include <string>
#include <vector>

#include "Invocation.h"

namespace kavelin::cli {

// The help of the whole program (Command::None) or of one command.
std::string UsageText(Command command);

// The long options those texts name for `command`, the program's own included, so that a
// misspelt one can be matched against what the help offers.
std::vector<std::string> UsageOptionNames(Command command);

} // namespace kavelin::cli
