#pragma once

#include <string>
#include <vector>

#include "Invocation.h"

namespace kavelin::cli {

// Reads the arguments that follow the program name. Options take their value as the next
// argument or after '=' (--url=URL). Global options may stand before or after the command.
// Throws UsageError for anything it cannot make sense of; `--help` anywhere sets `help` and
// skips the checks that the command's required arguments are there.
Invocation ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace kavelin::cli
