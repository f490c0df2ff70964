#include "os/kernel/DiagnosticOutput.h"

#include <windows.h>

#include <string>

namespace kavelin::os {

bool WriteConsoleText(const char* text, size_t size) {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE)
        return false;
    while (size > 0) {
        DWORD written = 0;
        const DWORD chunk = size > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size);
        if (!WriteFile(output, text, chunk, &written, nullptr) || written == 0)
            return false;
        text += written;
        size -= written;
    }
    return true;
}

bool WriteDebugText(const char* text, size_t size) {
    // The debugger channel takes terminated text.
    const std::string line(text, size);
    OutputDebugStringA(line.c_str());
    return true;
}

} // namespace kavelin::os
