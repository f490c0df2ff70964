#include "os/kernel/LastError.h"

#include <windows.h>

#include <cerrno>

namespace kavelin::os {

uint32_t LastErrorCode() {
    return GetLastError();
}

void SetLastErrorCode(uint32_t code) {
    SetLastError(code);
}

std::string LastErrorText(uint32_t code) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, text, sizeof text, nullptr);
    std::string result(text, length);
    // The system's texts end with a full stop and a line break; the callers add their own.
    while (!result.empty() &&
           (result.back() == '\n' || result.back() == '\r' || result.back() == '.'))
        result.pop_back();
    return result.empty() ? "error " + std::to_string(code) : result;
}

PreservedLastError::PreservedLastError() : mCode(GetLastError()), mErrno(errno) {}

PreservedLastError::~PreservedLastError() {
    SetLastError(mCode);
    errno = mErrno;
}

} // namespace kavelin::os
