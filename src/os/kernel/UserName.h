#pragma once

#include <string>

// The name of the user the process runs as; empty when it cannot be found (with
// os::LastErrorCode() set).
namespace kavelin::os {

std::string CurrentUserName();

} // namespace kavelin::os
