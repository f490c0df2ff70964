#include "os/kernel/ModulePath.h"

#include "os/kernel/LastError.h"

#include <cerrno>
#include <climits>
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

namespace kavelin::os {

namespace {

std::string Failure(int error) {
    SetLastErrorCode(static_cast<uint32_t>(error));
    return {};
}

} // namespace

// The name the loader was given, as it was given: a library loaded through a symbolic link
// answers from the link's folder, as Windows reports the name a module was loaded by.
std::string LibraryPath() {
    // The loader's record of this object holds that name.
    Dl_info info = {};
    link_map* object = nullptr;
    if (dladdr1(reinterpret_cast<void*>(&LibraryPath), &info, reinterpret_cast<void**>(&object),
                RTLD_DL_LINKMAP) == 0 ||
        object == nullptr || object->l_name == nullptr)
        return Failure(ENOENT);
    const char* const name = object->l_name;
    // The program itself has no loader name (only argv[0], which may be a bare name found on
    // PATH): the kernel's record of the executable stands in.
    if (*name == '\0') {
        char path[PATH_MAX];
        const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
        if (length <= 0 || static_cast<size_t>(length) >= sizeof path)
            return Failure(length < 0 ? errno : ENAMETOOLONG);
        return std::string(path, static_cast<size_t>(length));
    }
    if (*name == '/')
        return name;
    // A relative name was taken from the current directory; joined, not resolved, so that a
    // link keeps its own folder.
    char directory[PATH_MAX];
    if (getcwd(directory, sizeof directory) == nullptr)
        return Failure(errno);
    return std::string(directory).append(1, '/').append(name);
}

} // namespace kavelin::os
