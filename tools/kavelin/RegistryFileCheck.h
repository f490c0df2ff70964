#pragma once

#include <ostream>
#include <string>

// The library reads only regular files of at most 4 MiB as registry files and takes anything
// else (a directory, a device, a FIFO, a larger file) for no file, silently. The host says so
// once per such file, since a configuration the user named would otherwise just not apply.
namespace kavelin::cli {

// Writes one line to `out` for each file of the colon-separated `searchList` that exists but
// is not one the library reads. Missing files say nothing: no file is a valid registry.
void ReportUnusableRegistryFiles(const std::string& searchList, std::ostream& out);

} // namespace kavelin::cli
