#include "KavelinLibrary.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <stdexcept>
#include <unistd.h>

namespace kavelin::cli {

namespace {

// The folder of this program's file, so an installed tree finds its own library wherever it
// was installed to.
std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return {};
    const std::string file(path, static_cast<size_t>(length));
    return file.substr(0, file.rfind('/'));
}

} // namespace

std::vector<std::string> LibraryCandidates(const char* overridePath,
                                           const std::string& executableFolder) {
    if (overridePath != nullptr && *overridePath != '\0')
        return {overridePath};
    std::vector<std::string> candidates;
    if (!executableFolder.empty())
        candidates.push_back(executableFolder + "/" KAVELIN_RELATIVE_LIBRARY);
    candidates.push_back(KAVELIN_BUILD_LIBRARY);
    candidates.push_back(KAVELIN_INSTALLED_LIBRARY);
    return candidates;
}

KavelinLibrary::KavelinLibrary() {
    std::string tried;
    std::string lastError;
    for (const std::string& candidate :
         LibraryCandidates(std::getenv("KAVELIN_LIBRARY"), ExecutableFolder())) {
        tried += (tried.empty() ? "" : ", ") + candidate;
        if (access(candidate.c_str(), F_OK) != 0)
            continue;
        mHandle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (mHandle != nullptr) {
            mPath = candidate;
            break;
        }
        lastError = dlerror();
    }
    if (mHandle == nullptr)
        throw std::runtime_error("cannot load libkavelin.so (tried " + tried + ")" +
                                 (lastError.empty() ? "" : ": " + lastError));
    mMaker = reinterpret_cast<KavelinMaker>(dlsym(mHandle, "maker"));
    mDemaker = reinterpret_cast<KavelinDemaker>(dlsym(mHandle, "demaker"));
    if (mMaker == nullptr || mDemaker == nullptr) {
        dlclose(mHandle);
        throw std::runtime_error(mPath + " has no maker/demaker entry points");
    }
}

KavelinLibrary::~KavelinLibrary() {
    dlclose(mHandle);
}

} // namespace kavelin::cli
