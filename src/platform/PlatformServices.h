#pragma once

#include "kavelin/CPComPtr.h"
#include "platform/Logging.h"

// COM object creation by ProgID. A product component whose ProgID is a string value under
// HKEY_LOCAL_MACHINE "SOFTWARE\Orvanta\Plotara\ForceToOutOfProc" is created only as a local
// server; every other one in whichever context it is registered. The override is read anew
// at every call.
namespace PlatformServices {

inline constexpr char kForceToOutOfProcKey[] = "SOFTWARE\\Orvanta\\Plotara\\ForceToOutOfProc";

// Creates the class of `progId` asked for `iid` into `*object`, which must be null on entry
// and is null again on failure. Never throws.
HRESULT CreateInstance(const char16_t* progId, REFIID iid, void** object);

} // namespace PlatformServices

template <typename T> HRESULT CPComPtr<T>::CreateInstance(const char16_t* progId) {
    KV_LOG(8, "PlatformServices::CreateInstance() Entering");
    KV_LOG(9, "CI 1");
    KV_LOG(9, "CI 2");
    Release();
    KV_LOG(9, "CI 3");
    return PlatformServices::CreateInstance(progId, kavelin::InterfaceId<T>,
                                            reinterpret_cast<void**>(&mPointer));
}
