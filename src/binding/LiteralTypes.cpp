// Serializers of the literal types. xsd:anyType: the literal text stands
// directly inside the enclosing element on output, and on input the next child
// element, whatever its name, is taken as literal XML. A literal answer: the
// first element of the Body, whatever its name.
#include "soapH.h"

void soap_default_xsd__anyType(struct soap*, struct AnyType* a) {
    a->text = nullptr;
}

void soap_serialize_xsd__anyType(struct soap*, const struct AnyType*) {}

const char* soap_xsd__anyType2s(struct soap*, struct AnyType a) {
    return a.text;
}

int soap_s2xsd__anyType(struct soap* soap, const char* s, struct AnyType* a) {
    a->text = soap_strdup(soap, s);
    return soap->error;
}

int soap_out_xsd__anyType(struct soap* soap, const char*, int, const struct AnyType* a,
                          const char*) {
    return soap_outliteral(soap, nullptr, &a->text, nullptr);
}

struct AnyType* soap_in_xsd__anyType(struct soap* soap, const char*, struct AnyType* a,
                                     const char*) {
    if (!a && !(a = soap_new_xsd__anyType(soap)))
        return nullptr;
    if (!soap_inliteral(soap, nullptr, &a->text))
        return nullptr;
    return a;
}

void soap_default_LiteralAnswer(struct soap*, char** a) {
    *a = nullptr;
}

void soap_serialize_LiteralAnswer(struct soap*, char* const*) {}

int soap_out_LiteralAnswer(struct soap* soap, const char* tag, int, char* const* a, const char*) {
    return soap_outliteral(soap, tag, a, nullptr);
}

// The element's content, its name not compared; but a Fault in the answer's place is left to
// the Fault reader, so that its code, reason and detail reach the caller.
char** soap_in_LiteralAnswer(struct soap* soap, const char*, char** a, const char*) {
    if (soap_peek_element(soap) == SOAP_OK &&
        soap_match_tag(soap, soap->tag, "SOAP-ENV:Fault") == SOAP_OK) {
        soap->error = SOAP_TAG_MISMATCH;
        return nullptr;
    }
    return soap_inliteral(soap, nullptr, a);
}
