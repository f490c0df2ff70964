#include "os/ProcessInfo.h"

#include <windows.h>

namespace os {

uint32_t CurrentProcessId() {
    return GetCurrentProcessId();
}

uint32_t CurrentThreadId() {
    return GetCurrentThreadId();
}

} // namespace os
