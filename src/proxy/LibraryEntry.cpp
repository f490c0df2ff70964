#include "components/BuiltInComponents.h"
#include "kavelin/Kavelin.h"
#include "platform/Logging.h"

// The load and unload hooks of the shared object: the log starts, and the built-in components
// join the class table where a host may later hide them with its own. An exception here would
// end the host inside dlopen or exit, so whatever fails (an unreadable configuration, memory)
// leaves the library without a log or without the built-in components instead.
namespace {

void OnLibraryLoad() noexcept {
    try {
        StartLogging("OVCOM.Kavelin");
    } catch (...) {
    }
    try {
        RegisterBuiltInComponents();
    } catch (...) {
    }
}

void OnLibraryUnload() noexcept {
    try {
        StopLogging();
    } catch (...) {
    }
}

} // namespace

// Where the loader calls the two differs by platform.
#if defined(_WIN32)
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        OnLibraryLoad();
    else if (reason == DLL_PROCESS_DETACH)
        OnLibraryUnload();
    return TRUE;
}
#else
__attribute__((constructor)) static void LoadHook() {
    OnLibraryLoad();
}

__attribute__((destructor)) static void UnloadHook() {
    OnLibraryUnload();
}
#endif

extern "C" KAVELIN_API int32_t fnKavelin() {
    return 42;
}
