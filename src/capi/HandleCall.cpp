#include "capi/HandleCall.h"

#include <new>

#include "kavelin/ComError.h"
#include "platform/VisibleText.h"

namespace kavelin::capi {

namespace {

// The failure texts can hold what the device or a parameter document said: escaped and bounded
// as the log does, whatever reaches them.
kavelin_status Fail(kavelin_proxy& handle, const std::string& text, HRESULT code,
                    const std::string& cause) {
    handle.failureText = platform::VisibleText(text, platform::kVisibleTextLimit);
    handle.failureCode = code;
    handle.failureCause = platform::VisibleText(cause, platform::kVisibleTextLimit);
    return KAVELIN_FAILED;
}

} // namespace

bool Enter(kavelin_proxy& handle) noexcept {
    bool idle = false;
    // Acquire pairs with the release in Leave, so a handle passed from thread to thread sees
    // what the last call left.
    return handle.busy.compare_exchange_strong(idle, true, std::memory_order_acquire);
}

void Leave(kavelin_proxy& handle) noexcept {
    handle.busy.store(false, std::memory_order_release);
}

kavelin_status FailureOfCurrentException(kavelin_proxy& handle) noexcept {
    try {
        try {
            throw;
        } catch (const CPException& failure) {
            const CPExceptionCause* cause = GetExceptionCause(failure);
            return Fail(handle, failure.what(), failure.GetErrorCode(),
                        cause != nullptr ? cause->summary : std::string());
        } catch (const _com_error& failure) {
            return Fail(handle, "the XML component failed on a parameter document", failure.Error(),
                        "");
        } catch (const std::bad_alloc&) {
            return KAVELIN_NO_MEMORY;
        } catch (const std::exception& failure) {
            return Fail(handle, failure.what(), E_FAIL, "");
        } catch (...) {
            return Fail(handle, "unknown failure", E_FAIL, "");
        }
    } catch (...) { // filling the failure texts ran out of memory
        handle.failureText.clear();
        handle.failureCause.clear();
        return KAVELIN_NO_MEMORY;
    }
}

} // namespace kavelin::capi
