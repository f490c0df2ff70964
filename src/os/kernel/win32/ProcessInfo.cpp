#include "os/kernel/ProcessInfo.h"

#include <windows.h>

namespace kavelin::os {

uint32_t CurrentProcessId() {
    return GetCurrentProcessId();
}

uint32_t CurrentThreadId() {
    return GetCurrentThreadId();
}

} // namespace kavelin::os
