#include "components/BuiltInComponents.h"
#include "kavelin/Export.h"
#include "platform/Logging.h"

// The load and unload hooks of the shared object: the log starts, and the built-in components
// join the class table where a host may later hide them with its own.
namespace {

__attribute__((constructor)) void OnLibraryLoad() {
    StartLogging("OVCOM.Kavelin");
    RegisterBuiltInComponents();
}

__attribute__((destructor)) void OnLibraryUnload() {
    StopLogging();
}

} // namespace

extern "C" KAVELIN_API int fnKavelin() {
    return 42;
}
