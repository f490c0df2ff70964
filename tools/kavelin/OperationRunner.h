#pragma once

#include <string>
#include <vector>

#include "Invocation.h"
#include "RequestDocuments.h"
#include "kavelin/Kavelin.h"

namespace kavelin::cli {

// Runs the invocation's operation `repeat` times on an initialised proxy. `answers` holds what
// the last run brought back, in order: get-data's answers (one an expression), settable's
// document, the event names, the subscription id, the id cancelled; nothing for set-data.
// Failures of the proxy (CPException, _com_error) pass through to the caller with `answers`
// holding what came before them in that run.
void RunOperation(IBaseSoap& proxy, const Invocation& invocation, const RequestDocuments& documents,
                  std::vector<std::string>& answers);

} // namespace kavelin::cli
