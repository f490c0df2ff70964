#pragma once

#include <chrono>
#include <string>

#include "kavelin/CPException.h"

struct soap;

namespace kavelin::proxy {

// The cause of the exchange that the engine context has just failed with `status` (the client
// call's result; it may fail an answer the engine accepted, such as one without an envelope),
// read from the engine's own state (saved errno, HTTP status and content type, Fault, limits)
// and the direct-connect transport's account of its data stream, so it reads the same for
// HTTP and for the direct-connect transport. `elapsed` is how long the attempt took: the
// engine reports a receive that timed out and a connection that closed alike, and only the
// time tells them apart.
CPExceptionCause DescribeFailedExchange(struct soap* soap, int status,
                                        std::chrono::milliseconds elapsed);

// The cause when a session start succeeded without giving a session ID.
inline constexpr char kNoSessionGranted[] = "the device granted no session";

// The cause of an operation that failed before any exchange.
CPExceptionCause CauseWithoutExchange(std::string summary);

// The engine status's name ("SOAP_FAULT", "SOAP_EOF", "HTTP 404", ...).
std::string EngineErrorName(int error);

// The line the proxy logs at level 1 for a failed exchange: the summary, then the engine's
// status and what else is known, e.g. "... (SOAP_FAULT 12, HTTP 500, SOAP-ENV:Client, ...)".
std::string CauseLogText(const CPExceptionCause& cause);

} // namespace kavelin::proxy
