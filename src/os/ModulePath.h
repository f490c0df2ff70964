#pragma once

#include <string>

// The full file name of the binary that contains this code: the shared library when the
// library is loaded by a host, the program itself when linked in statically. Empty when the
// system cannot tell (os::LastErrorCode() is then set).
namespace os {

std::string LibraryPath();

} // namespace os
