#include "os/kernel/ModulePath.h"

#include <windows.h>

namespace kavelin::os {

std::string LibraryPath() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCSTR>(&LibraryPath), &module))
        return {};
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    // A name cut at the buffer's end is no usable path.
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::string(path, length);
}

} // namespace kavelin::os
