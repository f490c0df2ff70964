#pragma once

#include <cstdint>
#include <string>

// The caller's last-error code: what this layer's calls leave behind on failure (the system
// error number, as the Windows functions leave theirs), kept per thread. The log saves and
// restores it, together with errno, so that logging never changes what a caller reads.
namespace kavelin::os {

uint32_t LastErrorCode();
void SetLastErrorCode(uint32_t code);

// What a last-error code means, in the system's own words.
std::string LastErrorText(uint32_t code);

// Captures the layer's code and errno on construction and puts both back on destruction.
class PreservedLastError {
public:
    PreservedLastError();
    ~PreservedLastError();
    PreservedLastError(const PreservedLastError&) = delete;
    PreservedLastError& operator=(const PreservedLastError&) = delete;

private:
    uint32_t mCode;
    int mErrno;
};

} // namespace kavelin::os
