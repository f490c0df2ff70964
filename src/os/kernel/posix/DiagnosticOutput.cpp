#include "os/kernel/DiagnosticOutput.h"

#include <cerrno>
#include <unistd.h>

namespace kavelin::os {
namespace {

bool WriteAll(int descriptor, const char* text, size_t size) {
    while (size > 0) {
        const ssize_t written = write(descriptor, text, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        text += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

} // namespace

bool WriteConsoleText(const char* text, size_t size) {
    return WriteAll(STDOUT_FILENO, text, size);
}

bool WriteDebugText(const char* text, size_t size) {
    return WriteAll(STDERR_FILENO, text, size);
}

} // namespace kavelin::os
