#include "KavelinLibrary.h"

#include <windows.h>

#include <cstdlib>
#include <stdexcept>

namespace kavelin::cli {

namespace {

// The folder of this program's file: kavelin.dll is installed beside it.
std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    const std::string file(path, length);
    return file.substr(0, file.find_last_of("/\\"));
}

} // namespace

std::vector<std::string> LibraryCandidates(const char* overridePath,
                                           const std::string& executableFolder) {
    if (overridePath != nullptr && *overridePath != '\0')
        return {overridePath};
    if (executableFolder.empty())
        return {"kavelin.dll"};
    return {executableFolder + "\\kavelin.dll"};
}

KavelinLibrary::KavelinLibrary() {
    std::string tried;
    DWORD lastError = 0;
    for (const std::string& candidate :
         LibraryCandidates(std::getenv("KAVELIN_LIBRARY"), ExecutableFolder())) {
        tried += (tried.empty() ? "" : ", ") + candidate;
        mHandle = LoadLibraryA(candidate.c_str());
        if (mHandle != nullptr) {
            mPath = candidate;
            break;
        }
        lastError = GetLastError();
    }
    if (mHandle == nullptr)
        throw std::runtime_error("cannot load kavelin.dll (tried " + tried + "): error " +
                                 std::to_string(lastError));
    const auto module = static_cast<HMODULE>(mHandle);
    // GetProcAddress returns a generic function pointer; through void* it becomes the real one.
    mMaker =
        reinterpret_cast<KavelinMaker>(reinterpret_cast<void*>(GetProcAddress(module, "maker")));
    mDemaker = reinterpret_cast<KavelinDemaker>(
        reinterpret_cast<void*>(GetProcAddress(module, "demaker")));
    if (mMaker == nullptr || mDemaker == nullptr) {
        FreeLibrary(module);
        throw std::runtime_error(mPath + " has no maker/demaker entry points");
    }
}

KavelinLibrary::~KavelinLibrary() {
    FreeLibrary(static_cast<HMODULE>(mHandle));
}

} // namespace kavelin::cli
