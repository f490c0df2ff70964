#pragma once

#include <string>

#include "Invocation.h"
#include "RequestDocuments.h"
#include "kavelin/Kavelin.h"

namespace kavelin::cli {

// Runs the invocation's operation `repeat` times on an initialised proxy and returns what the
// last run prints on standard output. Failures of the proxy (CPException, _com_error) pass
// through to the caller.
std::string RunOperation(IBaseSoap& proxy, const Invocation& invocation,
                         const RequestDocuments& documents);

} // namespace kavelin::cli
