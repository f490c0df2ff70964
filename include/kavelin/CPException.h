#pragma once

#include <stdexcept>
#include <string>

#include "kavelin/ComTypes.h"

// The failure of every proxy operation: a message text and a COM result code (the proxies
// always use E_FAIL). Defined wholly in this header, so a host catches it by type without any
// symbol of the library; the virtual slots are the destructor, what, then GetErrorCode.
class CPException : public std::runtime_error {
public:
    CPException(const std::string& message, HRESULT errorCode)
        : std::runtime_error(message), mErrorCode(errorCode) {}
    ~CPException() override = default;

    virtual HRESULT GetErrorCode() const { return mErrorCode; }

private:
    HRESULT mErrorCode;
};
