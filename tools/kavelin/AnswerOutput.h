#pragma once

#include <string>
#include <vector>

#include "Invocation.h"

namespace kavelin::cli {

// What a command prints on standard output for the answers its operation brought back (see
// RunOperation), also when a failure cut them short.
//
// Plain: get-data's answers one after the other, each as sent (ending in a line feed; for
// several expressions an empty answer is an empty line), one top-level node a line (--lines)
// or the text of each (--text); settable's document as sent, or
// the text of each of its nodes a line (--lines); event names one a line; the subscription id.
//
// JSON, one value a line: get-data {"xpath":...,"answer":...} with "nodes":[{"markup":...,
// "text":...},...] when the answer is nodes, one such object, or an array of them for several
// expressions; settable {"answer":...,"nodes":[...]}; each event name a JSON string;
// {"subscription":ID} for subscribe, {"subscription":ID,"cancelled":true} for unsubscribe.
std::string AnswerOutput(const Invocation& invocation, const std::vector<std::string>& answers);

// True when get-data brought back an answer that is empty (what --fail-empty looks for).
bool AnyAnswerEmpty(const Invocation& invocation, const std::vector<std::string>& answers);

} // namespace kavelin::cli
