#pragma once

#include "kavelin/ComTypes.h"

// The exception that COM wrappers raise for a failed result code.
class _com_error {
public:
    explicit _com_error(HRESULT result) noexcept : mResult(result) {}

    HRESULT Error() const noexcept { return mResult; }

private:
    HRESULT mResult;
};

[[noreturn]] inline void _com_issue_error(HRESULT result) {
    throw _com_error(result);
}
