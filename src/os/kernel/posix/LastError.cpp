#include "os/kernel/LastError.h"

#include <cerrno>
#include <cstring>

namespace kavelin::os {
namespace {
thread_local uint32_t tLastErrorCode = 0;
} // namespace

uint32_t LastErrorCode() {
    return tLastErrorCode;
}

void SetLastErrorCode(uint32_t code) {
    tLastErrorCode = code;
}

std::string LastErrorText(uint32_t code) {
    return std::strerror(static_cast<int>(code));
}

PreservedLastError::PreservedLastError() : mCode(tLastErrorCode), mErrno(errno) {}

PreservedLastError::~PreservedLastError() {
    tLastErrorCode = mCode;
    errno = mErrno;
}

} // namespace kavelin::os
