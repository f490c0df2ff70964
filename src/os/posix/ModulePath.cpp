#include "os/ModulePath.h"

#include "os/LastError.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <link.h>
#include <unistd.h>

namespace kavelin::os {

namespace {

struct Search {
    uintptr_t address = 0;
    const char* name = nullptr;
};

// Runs under the loader's lock, so it only notes the name (nothing that could throw).
int FindObject(dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<Search*>(data);
    for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& header = info->dlpi_phdr[i];
        const uintptr_t start = info->dlpi_addr + header.p_vaddr;
        if (header.p_type == PT_LOAD && search->address >= start &&
            search->address - start < header.p_memsz) {
            search->name = info->dlpi_name != nullptr ? info->dlpi_name : "";
            return 1;
        }
    }
    return 0;
}

std::string Failure(int error) {
    SetLastErrorCode(static_cast<uint32_t>(error));
    return {};
}

} // namespace

// The name the loader was given, as it was given: a library loaded through a symbolic link
// answers from the link's folder, as Windows reports the name a module was loaded by.
std::string LibraryPath() {
    Search search;
    search.address = reinterpret_cast<uintptr_t>(&LibraryPath);
    if (dl_iterate_phdr(FindObject, &search) == 0 || search.name == nullptr)
        return Failure(ENOENT);
    // The program itself has no loader name (only argv[0], which may be a bare name found on
    // PATH): the kernel's record of the executable stands in.
    if (*search.name == '\0') {
        char path[PATH_MAX];
        const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
        if (length <= 0 || static_cast<size_t>(length) >= sizeof path)
            return Failure(length < 0 ? errno : ENAMETOOLONG);
        return std::string(path, static_cast<size_t>(length));
    }
    if (*search.name == '/')
        return search.name;
    // A relative name was taken from the current directory; joined, not resolved, so that a
    // link keeps its own folder.
    char directory[PATH_MAX];
    if (getcwd(directory, sizeof directory) == nullptr)
        return Failure(errno);
    return std::string(directory).append(1, '/').append(search.name);
}

} // namespace kavelin::os
