#pragma once

#include <string>

#include "kavelin/Kavelin.h"

namespace kavelin::cli {

// A failed operation as every command reports it: the library's failure text, its code, and
// the cause when there is one: "Get Data Failed!!! (code 0x80004005): the device refused the
// connection".
std::string FailureText(const std::string& text, HRESULT code, const CPExceptionCause* cause);

// The same as one JSON object, for --json: {"failure":"Get Data Failed!!!",
// "code":"0x80004005","cause":"the device refused the connection"}, the cause null when there
// is none, and `extra` (a JSON member list such as "\"log\":\"...\"") appended when given.
std::string FailureJson(const std::string& text, HRESULT code, const CPExceptionCause* cause,
                        const std::string& extra = {});

inline std::string FailureText(const CPException& failure) {
    return FailureText(failure.what(), failure.GetErrorCode(), GetExceptionCause(failure));
}

} // namespace kavelin::cli
