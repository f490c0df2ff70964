#pragma once

#include <string>

struct soap;

namespace kavelin::binding {

// The detail of the Fault the engine context last received, as "Element: Reason" for the six
// detail elements the binding decodes typed, the literal detail text for any other; empty
// when the Fault had no detail.
std::string FaultDetailText(struct soap* soap);

} // namespace kavelin::binding
