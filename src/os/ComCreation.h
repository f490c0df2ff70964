#pragma once

#include "kavelin/ComBase.h"

// Object creation over the process's class table, with the Windows names and results.

// CO_E_CLASSSTRING for a ProgID nobody registered, E_INVALIDARG for null arguments.
HRESULT CLSIDFromProgID(const char16_t* progId, CLSID* clsid);

// REGDB_E_CLASSNOTREG when the class is unknown or supports none of the contexts asked for;
// otherwise the factory's result. `*object` is null on every failure.
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD classContext, REFIID iid,
                         void** object);
