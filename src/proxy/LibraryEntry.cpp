#include "kavelin/Export.h"
#include "platform/Logging.h"

// The load and unload hooks of the shared object: the log is the only thing set up at load.
namespace {

__attribute__((constructor)) void OnLibraryLoad() {
    StartLogging("OVCOM.Kavelin");
}

__attribute__((destructor)) void OnLibraryUnload() {
    StopLogging();
}

} // namespace

extern "C" KAVELIN_API int fnKavelin() {
    return 42;
}
