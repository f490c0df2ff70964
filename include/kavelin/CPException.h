#pragma once

#include <stdexcept>
#include <string>
#include <utility>

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

// Why an operation failed: what the engine reported for the last failed exchange, or, when
// the operation failed before any exchange, what stopped it (exchange fields then stay 0 and
// empty). `summary` is one line for people, e.g. "the device answered with a Fault: invalid
// XPath expression: //dd:[".
struct CPExceptionCause {
    std::string summary;
    int engineError = 0;         // the SOAP engine's status of the failed exchange
    std::string engineErrorName; // its name, e.g. "SOAP_FAULT", "SOAP_TCP_ERROR"
    int httpStatus = 0;          // the answer's HTTP status; 0 when none arrived
    std::string faultCode;       // the device's Fault, when it sent one
    std::string faultString;
    std::string faultDetail; // the detail element's name and its reason, e.g. "XPathError: ..."
};

// What the proxies throw: a CPException whose what() and GetErrorCode() are exactly the plain
// one's, plus the cause. It is a class of its own so that CPException keeps its layout and
// virtual slots: hosts built before it catch it as a CPException, unchanged. Catch by
// reference to keep the cause (a copy by value keeps only the CPException part).
class CPExceptionWithCause : public CPException {
public:
    CPExceptionWithCause(const std::string& message, HRESULT errorCode, CPExceptionCause cause)
        : CPException(message, errorCode), mCause(std::move(cause)) {}

    const CPExceptionCause& GetCause() const { return mCause; }

private:
    CPExceptionCause mCause;
};

// The cause a failure carries; null for a CPException thrown without one (by a library that
// predates causes, or by a host).
inline const CPExceptionCause* GetExceptionCause(const CPException& failure) {
    const auto* caused = dynamic_cast<const CPExceptionWithCause*>(&failure);
    return caused != nullptr ? &caused->GetCause() : nullptr;
}
