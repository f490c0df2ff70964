#pragma once

#include <cstdint>

// Identifiers as the log prints them.
namespace kavelin::os {

uint32_t CurrentProcessId();
// The kernel's id of the calling thread, unique system-wide while the thread runs.
uint32_t CurrentThreadId();

} // namespace kavelin::os
