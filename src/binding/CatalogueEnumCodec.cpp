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
    // A qualified text is looked up as the engine normalises it, then as written: the
    // catalogue's own prefixes (such as "enum-1") are bound to no namespace, so normalising
    // alone would turn every one of their texts into an unknown name.
    if (qualified) {
        char* normalised = nullptr;
        const int status = soap_s2QName(soap, text, &normalised, 0, -1, nullptr);
        soap->error = SOAP_OK;
        if (status == SOAP_OK && normalised) {
            if (const soap_code_map* entry = soap_code(table, normalised)) {
                *code = entry->code;
                return SOAP_OK;
            }
        }
    }
    if (const soap_code_map* entry = soap_code(table, text)) {
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
