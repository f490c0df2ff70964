#pragma once

struct soap;

namespace kavelin::binding {

// The answer reader's closing step after the expected element could not be decoded. A tag
// mismatch directly inside the Body is read as a SOAP Fault (its status is returned). An empty
// Body is an answer without a response structure: success, as the engine itself takes it, but
// the rest of the envelope is read first, where the engine would leave it on a kept-alive
// connection for the next answer to trip over. Any other error closes the connection.
int ReadFaultInBody(struct soap* soap);

} // namespace kavelin::binding
