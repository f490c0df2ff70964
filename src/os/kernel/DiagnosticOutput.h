#pragma once

#include <cstddef>

// The two unstructured channels of the log: the console (standard output) and the debugger
// channel, which is standard error here. Each call writes its bytes whole and unbuffered.
namespace kavelin::os {

bool WriteConsoleText(const char* text, size_t size);
bool WriteDebugText(const char* text, size_t size);

} // namespace kavelin::os
