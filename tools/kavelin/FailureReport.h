#pragma once

#include <string>

#include "kavelin/Kavelin.h"

namespace kavelin::cli {

// A failed operation as every command reports it: the library's failure text, its code, and
// the cause when there is one: "Get Data Failed!!! (code 0x80004005): the device refused the
// connection".
std::string FailureText(const std::string& text, HRESULT code, const CPExceptionCause* cause);

inline std::string FailureText(const CPException& failure) {
    return FailureText(failure.what(), failure.GetErrorCode(), GetExceptionCause(failure));
}

} // namespace kavelin::cli
