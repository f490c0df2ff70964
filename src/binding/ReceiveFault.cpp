#include "binding/ReceiveFault.h"

#include "stdsoap2.h"

namespace kavelin::binding {

int ReadFaultInBody(struct soap* soap) {
    // Level 2 is the Body's content: what stands there in the answer's place.
    if (soap->level != 2)
        return soap_closesock(soap);
    const bool answeredOk = soap->status == 0 || (soap->status >= 200 && soap->status <= 299);
    if (soap->error == SOAP_NO_TAG && answeredOk) {
        soap->error = SOAP_OK;
        if (soap_body_end_in(soap) == SOAP_OK && soap_envelope_end_in(soap) == SOAP_OK)
            soap_end_recv(soap);
        return soap_closesock(soap);
    }
    // The engine's reader turns an empty Body under an HTTP error into that error.
    if (soap->error == SOAP_TAG_MISMATCH || soap->error == SOAP_NO_TAG)
        return soap_recv_fault(soap, 0);
    return soap_closesock(soap);
}

} // namespace kavelin::binding
