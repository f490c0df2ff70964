#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "kavelin/Kavelin.h"
#include "kavelin/kavelin_c.h"

// What a C handle is: the proxy from `maker`, driven through its virtual interface as any
// host drives it, and the last failure, kept for the host to read.
struct kavelin_proxy {
    IXDMAccessSoap* proxy = nullptr;
    // Whether a thread is inside a call: the proxy's fields and these are unguarded.
    std::atomic<bool> busy{false};
    std::string failureText;
    int32_t failureCode = 0;
    std::string failureCause;
};

namespace kavelin::capi {

// Takes the handle for the calling thread; false when another thread holds it.
bool Enter(kavelin_proxy& handle) noexcept;
void Leave(kavelin_proxy& handle) noexcept;
// Inside a catch block: the exception in flight as a status and the handle's failure fields.
kavelin_status FailureOfCurrentException(kavelin_proxy& handle) noexcept;

// Runs `operation(IBaseSoap&)` on the handle for one thread at a time; whatever it throws
// becomes a status and the handle's failure fields, so that no exception reaches a C caller.
template <typename Operation>
kavelin_status HandleCall(kavelin_proxy* handle, Operation&& operation) noexcept {
    if (handle == nullptr)
        return KAVELIN_INVALID_ARGUMENT;
    if (!Enter(*handle))
        return KAVELIN_BUSY;
    kavelin_status status = KAVELIN_OK;
    handle->failureText.clear();
    handle->failureCode = 0;
    handle->failureCause.clear();
    try {
        operation(static_cast<IBaseSoap&>(*handle->proxy));
    } catch (...) {
        status = FailureOfCurrentException(*handle);
    }
    Leave(*handle);
    return status;
}

} // namespace kavelin::capi
