#include "binding/TypedText.h"

namespace kavelin::binding {

namespace {

// The engine reads text into a scratch buffer that doubles as it fills and stays until the
// message's end: after a long text it would hold as much again as the text, beside its copy
// and the string made from that. The engine frees it the same way at the message's end.
constexpr size_t kLongScratch = 1 << 20;

void DropLongScratch(struct soap* soap) {
    if (soap->lablen < kLongScratch)
        return;
    SOAP_FREE(soap, soap->labbuf);
    soap->labbuf = nullptr;
    soap->lablen = 0;
    soap->labidx = 0;
}

} // namespace

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
            DropLongScratch(soap);
            text->assign(read);
            // Held until the message's end, the engine's copy would double a large answer.
            soap_dealloc(soap, const_cast<char*>(read));
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
