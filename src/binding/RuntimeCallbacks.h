#pragma once

// The shared gSOAP runtime calls back into the generated code for the header, the fault and
// the generic element operations, and these resolve by name from the library. They are
// declared here first, visible, so the generated definitions keep that visibility while
// every other generated symbol stays hidden.
#include "stdsoap2.h"

#define KAVELIN_RUNTIME_CALLBACK __attribute__((visibility("default")))

KAVELIN_RUNTIME_CALLBACK void soap_serializeheader(struct soap*);
KAVELIN_RUNTIME_CALLBACK int soap_getheader(struct soap*);
KAVELIN_RUNTIME_CALLBACK int soap_putheader(struct soap*);
KAVELIN_RUNTIME_CALLBACK void soap_serializefault(struct soap*);
KAVELIN_RUNTIME_CALLBACK int soap_getfault(struct soap*);
KAVELIN_RUNTIME_CALLBACK int soap_putfault(struct soap*);
KAVELIN_RUNTIME_CALLBACK const char** soap_faultcode(struct soap*);
KAVELIN_RUNTIME_CALLBACK const char** soap_faultsubcode(struct soap*);
KAVELIN_RUNTIME_CALLBACK const char** soap_faultstring(struct soap*);
KAVELIN_RUNTIME_CALLBACK const char** soap_faultdetail(struct soap*);
KAVELIN_RUNTIME_CALLBACK const char* soap_fault_subcode(struct soap*);
KAVELIN_RUNTIME_CALLBACK const char* soap_fault_string(struct soap*);
KAVELIN_RUNTIME_CALLBACK const char* soap_fault_detail(struct soap*);

extern "C" {
KAVELIN_RUNTIME_CALLBACK void soap_markelement(struct soap*, const void*, int);
KAVELIN_RUNTIME_CALLBACK void* soap_getelement(struct soap*, const char*, int*);
KAVELIN_RUNTIME_CALLBACK int soap_putelement(struct soap*, const void*, const char*, int, int);
KAVELIN_RUNTIME_CALLBACK void* soap_dupelement(struct soap*, const void*, int);
KAVELIN_RUNTIME_CALLBACK void soap_delelement(const void*, int);
}
