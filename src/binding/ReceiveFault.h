#pragma once

struct soap;

namespace kavelin::binding {

// The answer reader's closing step after the expected element could not be decoded. A tag
// mismatch directly inside the Body is read as a SOAP Fault (its status is returned). An empty
// Body holds no element where one is expected: the exchange fails with SOAP_NO_TAG, but the
// rest of the envelope is read first, where the engine would leave it on a kept-alive
// connection for the next answer to trip over. Any other error closes the connection.
int ReadFaultInBody(struct soap* soap);

// The same for a wrapper answer, whose empty Body is an answer without a response structure:
// read to its end, it is a success.
int ReadWrapperFaultInBody(struct soap* soap);

} // namespace kavelin::binding
