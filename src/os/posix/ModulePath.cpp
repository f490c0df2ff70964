#include "os/ModulePath.h"

#include "os/LastError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dlfcn.h>

namespace os {

std::string LibraryPath() {
    Dl_info info = {};
    if (dladdr(reinterpret_cast<void*>(&LibraryPath), &info) == 0 || info.dli_fname == nullptr) {
        SetLastErrorCode(static_cast<uint32_t>(ENOENT));
        return {};
    }
    // dladdr reports the name the loader was given, which may be relative.
    char resolved[PATH_MAX];
    if (realpath(info.dli_fname, resolved) != nullptr)
        return resolved;
    return info.dli_fname;
}

} // namespace os
