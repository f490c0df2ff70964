#pragma once

#include "kavelin/ComBase.h"
#include "kavelin/Export.h"

// A host registers its own COM classes under ProgIDs before it creates proxies, for instance
// its own session-information object ("OVCOM.SessionInfoWrapper") or data stream. A host class
// hides a built-in class of the same ProgID until it is unregistered.
extern "C" {

// Creates one object asked for `*iid` into `*object` (set null on failure). `context` is the
// value given at registration; `outer` is the aggregating object, normally null.
typedef HRESULT (*KavelinComponentFactory)(void* context, IUnknown* outer, const IID* iid,
                                           void** object);

// Registers (or replaces) the host's class for `progId`. `classContexts` is any combination of
// CLSCTX_INPROC_SERVER, CLSCTX_INPROC_HANDLER and CLSCTX_LOCAL_SERVER: the contexts in which
// the class may be created. E_INVALIDARG for an empty ProgID or no known context, E_POINTER
// for a null CLSID or factory.
KAVELIN_API HRESULT KavelinRegisterComponent(const char16_t* progId, const CLSID* clsid,
                                             DWORD classContexts, KavelinComponentFactory factory,
                                             void* context);

// Removes the host's class for `progId`, so that a built-in class of that ProgID applies
// again. S_FALSE when the host had registered none.
KAVELIN_API HRESULT KavelinUnregisterComponent(const char16_t* progId);
}
