#include "os/LastError.h"

#include <cerrno>

namespace os {
namespace {
thread_local uint32_t tLastErrorCode = 0;
} // namespace

uint32_t LastErrorCode() {
    return tLastErrorCode;
}

void SetLastErrorCode(uint32_t code) {
    tLastErrorCode = code;
}

PreservedLastError::PreservedLastError() : mCode(tLastErrorCode), mErrno(errno) {}

PreservedLastError::~PreservedLastError() {
    tLastErrorCode = mCode;
    errno = mErrno;
}

} // namespace os
