#include "os/LastError.h"

#include <windows.h>

#include <cerrno>

namespace os {

uint32_t LastErrorCode() {
    return GetLastError();
}

void SetLastErrorCode(uint32_t code) {
    SetLastError(code);
}

PreservedLastError::PreservedLastError() : mCode(GetLastError()), mErrno(errno) {}

PreservedLastError::~PreservedLastError() {
    SetLastError(mCode);
    errno = mErrno;
}

} // namespace os
