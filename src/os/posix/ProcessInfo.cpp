#include "os/ProcessInfo.h"

#include <unistd.h>

namespace os {

uint32_t CurrentProcessId() {
    return static_cast<uint32_t>(getpid());
}

uint32_t CurrentThreadId() {
    return static_cast<uint32_t>(gettid());
}

} // namespace os
