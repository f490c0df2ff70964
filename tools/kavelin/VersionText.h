#pragma once

#include <string>

namespace kavelin::cli {

// What --version prints: the program's version and those of the libraries its requests go
// through, one a line.
std::string VersionText();

} // namespace kavelin::cli
