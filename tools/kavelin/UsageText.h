#pragma once

#include <string>

#include "Invocation.h"

namespace kavelin::cli {

// The help of the whole program (Command::None) or of one command.
std::string UsageText(Command command);

} // namespace kavelin::cli
