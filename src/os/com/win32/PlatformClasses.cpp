#include "os/com/ComCreation.h"

#include "kavelin/ComBstr.h"

// COM itself: the classes installed on the machine (the host product's own servers among them)
// come before the library's built-in ones.
namespace kavelin::os {

namespace {

// COM must be initialised on the calling thread; a thread the host initialised keeps its
// apartment (RPC_E_CHANGED_MODE), and the library's own initialisation is never undone, as
// the objects it creates may outlive the call.
void EnsureComOnThisThread() {
    thread_local const HRESULT initialised = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    (void)initialised;
}

} // namespace

HRESULT PlatformClassIdFromProgId(const char16_t* progId, CLSID* clsid) {
    EnsureComOnThisThread();
    return CLSIDFromProgID(AsOleText(progId), clsid);
}

HRESULT PlatformCreateClassInstance(REFCLSID clsid, IUnknown* outer, DWORD classContext, REFIID iid,
                                    void** object) {
    EnsureComOnThisThread();
    const HRESULT result = CoCreateInstance(clsid, outer, classContext, iid, object);
    // A class the platform does not know, or not in the contexts asked for, may be built in.
    if (result == REGDB_E_CLASSNOTREG || result == CLASS_E_CLASSNOTAVAILABLE ||
        result == E_NOINTERFACE)
        return REGDB_E_CLASSNOTREG;
    return result;
}

} // namespace kavelin::os
