#include "os/com/ComCreation.h"

// No class registry of the system's own here: every class comes from the class table.
namespace kavelin::os {

HRESULT PlatformClassIdFromProgId(const char16_t*, CLSID*) {
    return CO_E_CLASSSTRING;
}

HRESULT PlatformCreateClassInstance(REFCLSID, IUnknown*, DWORD, REFIID, void** object) {
    *object = nullptr;
    return REGDB_E_CLASSNOTREG;
}

} // namespace kavelin::os
