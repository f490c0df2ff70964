#pragma once

#include <string>
#include <string_view>

#include "kavelin/ComBase.h"

// The narrow (UTF-8) <-> BSTR conversions of every COM boundary of the library.
namespace kavelin::platform {

// A new BSTR the caller frees; null for a null `narrow`. Raises _com_error(E_OUTOFMEMORY)
// when the string cannot be allocated.
BSTR NarrowToBstr(const char* narrow);
BSTR NarrowToBstr(std::string_view narrow);

// The narrow form of all SysStringLen characters; empty for null.
std::string BstrToNarrow(BSTR wide);

} // namespace kavelin::platform
