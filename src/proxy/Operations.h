#pragma once

#include <string>
#include <type_traits>
#include <utility>

#include "kavelin/CPException.h"

// The proxy's remote operations, each described once: what it logs, what it sends as its SOAP
// action, and how it fails. Every public operation, and the session keeper's implicit starts
// and ends, run through these rows.
namespace kavelin::proxy {

// Whether an exchange points the header's dd:TimeStamp at the proxy's time value. Only
// StartSession, EndSession and GetData do; the other operations leave the header as it is.
enum class TimeStampUse { Point, Leave };

struct Operation {
    // "Class::Operation": every log line of the operation begins with it.
    const char* name;
    // The SOAP action handed to the binding's client call.
    const char* action;
    // Level 3, after each preparation; null for an operation that logs none.
    const char* invokingLine;
    // Level 1, after a failed attempt.
    const char* retryLine;
    // Level 1, just before the CPException; null for an operation that never fails.
    const char* failureLine;
    // The CPException's message.
    const char* failureText;
    // What the Exit line adds before the returned text; null: the Exit line stands alone.
    const char* exitDetail;
    TimeStampUse timeStamp;
};

namespace operations {

inline constexpr Operation kStartSession{
    "IBaseSoap::StartSession",
    "StartSession",
    "IBaseSoap::StartSession - invoking gSoap start session function.",
    "IBaseSoap::StartSession - error: gSoap start session failed attempting a retry!!!",
    "IBaseSoap::StartSession - error: start session failed throwing exception!!!",
    "StartSession Failed!!!",
    " | sessionid=",
    TimeStampUse::Point};
inline constexpr Operation kEndSession{
    "IBaseSoap::EndSession", "EndSession", nullptr, nullptr, nullptr, nullptr, nullptr,
    TimeStampUse::Point};
inline constexpr Operation kSubscribe{
    "IBaseSoap::Subscribe",
    "Subscribe",
    "IBaseSoap::Subscribe - invoking gSoap subscribe function.",
    "IBaseSoap::Subscribe - error: gSoap subscribe function failed - attempting retry!!!",
    "IBaseSoap::Subscribe - error: subscribe failed - throwing exception!!!",
    "Subscribe Failed!!!",
    " | subscription id: ",
    TimeStampUse::Leave};
inline constexpr Operation kUnsubscribe{
    "IBaseSoap::Unsubscribe",
    "Unsubscribe",
    "IBaseSoap::Unsubscribe - invoking gSoap unsubscribe function.",
    "IBaseSoap::Unsubscribe - error: gSoap unsubscribe function failed - attempting retry!!!",
    "IBaseSoap::Unsubscribe - error: unsubscribe failed - throwing exception!!!",
    "Unsubscribe Failed!!!",
    nullptr,
    TimeStampUse::Leave};
inline constexpr Operation kGetSupportedEvents{
    "IBaseSoap::GetSupportedEvents",
    "GetSupportedEvents",
    nullptr,
    "IBaseSoap::GetSupportedEvents - error: gSoap get supported events function failed - "
    "attempting retry!!!",
    "IBaseSoap::GetSupportedEvents - error: get supported events failed - throwing exception!!!",
    "GetSupportedEvents Failed!!!",
    nullptr,
    TimeStampUse::Leave};
inline constexpr Operation kGetData{
    "IXDMAccessSoap::GetData",
    "GetData",
    "IXDMAccessSoap::GetData - invoking gSoap get data function.",
    "IXDMAccessSoap::GetData - error: gSoap get data function failed - attempting retry!!!",
    "IXDMAccessSoap::GetData - error: get data failed throwing exception!!!",
    "Get Data Failed!!!",
    nullptr,
    TimeStampUse::Point};
inline constexpr Operation kSetData{
    "IXDMAccessSoap::SetData",
    "SetData",
    "IXDMAccessSoap::SetData - invoking gSoap set data function.",
    "IXDMAccessSoap::SetData - error: gSoap set data function failed - attempting retry!!!",
    "IXDMAccessSoap::SetData - error: set data failed throwing exception!!!",
    "Set Data Failed!!!",
    nullptr,
    TimeStampUse::Leave};
inline constexpr Operation kGetSettable{
    "IXDMAccessSoap::GetSettable",
    "GetSettable",
    "IXDMAccessSoap::GetSettable - invoking gSoap get settable function.",
    "IXDMAccessSoap::GetSettable - error: gSoap get settable function failed - attempting "
    "retry!!!",
    "IXDMAccessSoap::GetSettable - error: get settable failed throwing exception!!!",
    "Get Settable Failed!!!",
    nullptr,
    TimeStampUse::Leave};

} // namespace operations

// Logs the operation's failure line and throws its CPException with `cause`.
[[noreturn]] void Fail(const Operation& operation, const CPExceptionCause& cause);

// The level-5 lines around an operation's work. `result` is what the operation returns, shown
// (visible and bounded) where the row names an Exit detail.
void LogEnter(const Operation& operation);
void LogExit(const Operation& operation, const std::string* result);

// Runs `work` and logs the Exit line after it; work that throws logs none.
template <class Work> auto Exited(const Operation& operation, Work&& work) -> decltype(work()) {
    using Result = decltype(work());
    if constexpr (std::is_void_v<Result>) {
        std::forward<Work>(work)();
        LogExit(operation, nullptr);
    } else {
        Result result = std::forward<Work>(work)();
        if constexpr (std::is_same_v<Result, std::string>)
            LogExit(operation, &result);
        else
            LogExit(operation, nullptr);
        return result;
    }
}

// The operation between its Enter and Exit lines, as the proxy runs it for itself (the session
// guard's start, the retry's restart): the same lines a host's call logs, without its claim.
template <class Work> auto Traced(const Operation& operation, Work&& work) -> decltype(work()) {
    LogEnter(operation);
    return Exited(operation, std::forward<Work>(work));
}

} // namespace kavelin::proxy
