#include "components/BuiltInComponents.h"
#include "kavelin/Export.h"
#include "platform/Logging.h"

// The load and unload hooks of the shared object: the log starts, and the built-in components
// join the class table where a host may later hide them with its own. An exception here would
// end the host inside dlopen or exit, so whatever fails (an unreadable configuration, memory)
// leaves the library without a log or without the built-in components instead.
namespace {

__attribute__((constructor)) void OnLibraryLoad() {
    try {
        StartLogging("OVCOM.Kavelin");
    } catch (...) {
    }
    try {
        RegisterBuiltInComponents();
    } catch (...) {
    }
}

__attribute__((destructor)) void OnLibraryUnload() {
    try {
        StopLogging();
    } catch (...) {
    }
}

} // namespace

extern "C" KAVELIN_API int fnKavelin() {
    return 42;
}
