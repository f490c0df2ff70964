#include "binding/ReceiveFault.h"

#include "stdsoap2.h"

int soap_recv_fault_in_body(struct soap* soap) {
    // Level 2 is the Body's content: a Fault there is what stands in the answer's place.
    if (soap->error == SOAP_TAG_MISMATCH && soap->level == 2)
        return soap_recv_fault(soap, 0);
    return soap_closesock(soap);
}
