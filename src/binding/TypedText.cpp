#include "binding/TypedText.h"

namespace kavelin::binding {

int WriteText(struct soap* soap, const char* tag, int id, const std::string* text, const char* type,
              int typeId) {
    if (text->empty())
        return (soap->mode & SOAP_C_NILSTRING) ? soap_element_null(soap, tag, id, type)
                                               : soap_element_empty(soap, tag, id, type);
    if (soap_element_begin_out(soap, tag, soap_embedded_id(soap, id, text, typeId), type) ||
        soap_string_out(soap, text->c_str(), 0) || soap_element_end_out(soap, tag))
        return soap->error;
    return SOAP_OK;
}

std::string* ReadTypedText(struct soap* soap, const char* tag, std::string* text,
                           const char* declared, int typeId) {
    if (soap_element_begin_in(soap, tag, 1, declared))
        return nullptr;
    if (!text)
        text = soap_new_std__string(soap, -1);
    if (soap->null && text)
        text->erase();
    void* entered = soap_id_enter(soap, soap->id, text, typeId, sizeof(std::string), soap->type,
                                  soap->arrayType, soap_instantiate, soap_fbase);
    if (soap->body && *soap->href != '#') {
        text = static_cast<std::string*>(entered);
        if (text) {
            const char* read = soap_string_in(soap, 1, 0, -1, nullptr);
            if (!read)
                return nullptr;
            text->assign(read);
        }
    } else {
        text = static_cast<std::string*>(soap_id_forward(soap, soap->href, entered, 0, typeId,
                                                         typeId, sizeof(std::string), 0,
                                                         soap_finsert, nullptr));
    }
    if (soap->body && soap_element_end_in(soap, tag))
        return nullptr;
    return text;
}

} // namespace kavelin::binding
