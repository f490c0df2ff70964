#pragma once

#include <functional>

#include "kavelin/ComBase.h"

// Object creation: the classes the platform knows first (on Windows its own registry and
// servers), then the process's class table (built-in classes and the host's registrations).
namespace kavelin::os {

// CO_E_CLASSSTRING for a ProgID nobody registered, E_INVALIDARG for null arguments.
HRESULT ClassIdFromProgId(const char16_t* progId, CLSID* clsid);

// REGDB_E_CLASSNOTREG when the class is unknown or supports none of the contexts asked for;
// otherwise the factory's result. `*object` is null on every failure.
HRESULT CreateClassInstance(REFCLSID clsid, IUnknown* outer, DWORD classContext, REFIID iid,
                            void** object);

// The platform's own part of the two, with the same results; where the platform has no class
// registry of its own, they find nothing.
HRESULT PlatformClassIdFromProgId(const char16_t* progId, CLSID* clsid);
HRESULT PlatformCreateClassInstance(REFCLSID clsid, IUnknown* outer, DWORD classContext, REFIID iid,
                                    void** object);

// The one way the library creates a component: the class `progId` names, without an outer
// object, as ClassIdFromProgId then CreateClassInstance make it. `classContext` is asked for
// once the ProgID has resolved, so that a caller may decide it then. The ProgID's failure when
// it does not resolve, else the creation's result; `*object` is null on every failure. A
// factory's exception passes through.
HRESULT CreateComponent(const char16_t* progId, REFIID iid, void** object,
                        const std::function<DWORD()>& classContext);

} // namespace kavelin::os
