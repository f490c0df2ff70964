#pragma once

#include <string>
#include <string_view>

// The full file name of the binary that contains this code: the shared library when the
// library is loaded by a host, the program itself when linked in statically. Empty when the
// system cannot tell (os::LastErrorCode() is then set).
namespace kavelin::os {

// The characters that end a folder in a path: Windows takes either slash.
#if defined(_WIN32)
inline constexpr std::string_view kPathSeparators = "/\\";
#else
inline constexpr std::string_view kPathSeparators = "/";
#endif

std::string LibraryPath();

} // namespace kavelin::os
