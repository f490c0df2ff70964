#include "binding/ReceiveFault.h"

#include "stdsoap2.h"

namespace kavelin::binding {

namespace {

// No element directly inside the Body of an answer that is not an HTTP error: an empty Body.
bool HasEmptyBody(const struct soap* soap) {
    const bool answeredOk = soap->status == 0 || (soap->status >= 200 && soap->status <= 299);
    return soap->level == 2 && soap->error == SOAP_NO_TAG && answeredOk;
}

// The rest of the envelope, read so that a kept-alive connection holds nothing of this answer.
int ReadToTheEnd(struct soap* soap) {
    soap->error = SOAP_OK;
    if (soap_body_end_in(soap) == SOAP_OK && soap_envelope_end_in(soap) == SOAP_OK)
        soap_end_recv(soap);
    return soap->error;
}

} // namespace

int ReadFaultInBody(struct soap* soap) {
    // Level 2 is the Body's content: what stands there in the answer's place.
    if (soap->level != 2)
        return soap_closesock(soap);
    if (HasEmptyBody(soap)) {
        // No element where one was expected: a failed exchange, on a usable connection.
        if (ReadToTheEnd(soap) == SOAP_OK)
            soap->error = SOAP_NO_TAG;
        return soap_closesock(soap);
    }
    // The engine's reader turns an empty Body under an HTTP error into that error.
    if (soap->error == SOAP_TAG_MISMATCH || soap->error == SOAP_NO_TAG)
        return soap_recv_fault(soap, 0);
    return soap_closesock(soap);
}

int ReadWrapperFaultInBody(struct soap* soap) {
    if (HasEmptyBody(soap)) {
        ReadToTheEnd(soap);
        return soap_closesock(soap);
    }
    return ReadFaultInBody(soap);
}

} // namespace kavelin::binding
