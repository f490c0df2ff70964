#pragma once

#include <string>
#include <vector>

namespace kavelin::device {

// What --version prints: "PROGRAM VERSION", then each library the program runs on with its
// version, one a line: `components` ("gSOAP 2.8.124") first, then libxml2, as loaded.
std::string VersionText(const std::string& program, const std::vector<std::string>& components);

} // namespace kavelin::device
