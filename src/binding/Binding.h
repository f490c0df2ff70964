#pragma once

// The binding as its users see it: the generated message types of both services, the
// operations the library calls, the namespace table, and the readers for answers that may name
// their result in two ways.
#include "binding/ServiceCalls.h"

// The namespace table: the 17 rows written into every envelope, the input-only rows of the
// auxiliary prefix ns1 and the terminating row; install it with
// soap_set_namespaces(soap, namespaces) right after initialising an engine context.
extern struct Namespace namespaces[];

namespace kavelin::binding {

// The engine modes the binding is made for, input and output alike: connections stay open
// between exchanges, narrow strings travel as UTF-8 unconverted, and id and href attributes in
// answers are references that the readers resolve.
inline constexpr soap_mode kEngineMode = SOAP_IO_KEEPALIVE | SOAP_C_UTFSTRING;

// These answers may carry their result under the named element or under `return`; the named
// one wins when both are present. Each gives null (or an empty text) when neither arrived.
bsi__SessionTicket_USCOREt* ResultOf(const _bsi__StartSessionResponse& response);
bsi__SubscriptionID_USCOREt* ResultOf(const _bsi__SubscribeResponse& response);
bsi__EventList* ResultOf(const _bsi__GetSupportedEventsResponse& response);
// The data answer's text, for the caller to take (move) rather than copy: it can be as large
// as an answer may be.
std::string& ResultOf(_ixagd__GetDataResponse& response);

} // namespace kavelin::binding
