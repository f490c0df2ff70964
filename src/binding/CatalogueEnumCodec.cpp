#include "binding/CatalogueEnumCodec.h"

namespace kavelin::binding {

const char* CodeToText(struct soap* soap, const soap_code_map* table, LONG64 code) {
    if (const char* text = soap_code_str(table, static_cast<long>(code)))
        return text;
    return soap_LONG642s(soap, code);
}

int TextToCode(struct soap* soap, const soap_code_map* table, bool qualified, const char* text,
               LONG64* code) {
    if (!text)
        return soap->error;
    const char* key = text;
    if (qualified) {
        char* normalised = nullptr;
        if (soap_s2QName(soap, text, &normalised, 0, -1, nullptr) == SOAP_OK && normalised)
            key = normalised;
        soap->error = SOAP_OK;
    }
    if (const soap_code_map* entry = soap_code(table, key)) {
        *code = entry->code;
        return SOAP_OK;
    }
    int number = 0;
    if (*text && soap_s2int(soap, text, &number) == SOAP_OK) {
        *code = number;
        return SOAP_OK;
    }
    return soap->error = SOAP_TYPE;
}

int WriteEnumElement(struct soap* soap, const char* tag, int id, const char* type,
                     const char* text) {
    if (soap_element_begin_out(soap, tag, id, type) || soap_send(soap, text))
        return soap->error;
    return soap_element_end_out(soap, tag);
}

} // namespace kavelin::binding
