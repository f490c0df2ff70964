// Arbitrary bytes as the device's answer to every response reader of the binding. The answer
// comes from an in-memory input hook, so no socket is involved.
#include "binding/Binding.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

struct Input {
    const uint8_t* data;
    size_t left;
};

size_t ReadInput(struct soap* soap, char* buffer, size_t size) {
    auto* input = static_cast<Input*>(soap->user);
    const size_t taken = size < input->left ? size : input->left;
    std::memcpy(buffer, input->data, taken);
    input->data += taken;
    input->left -= taken;
    return taken;
}

// Each reader decodes one answer into engine-owned memory, released before the next.
void ReadEveryAnswer(struct soap* soap, const uint8_t* data, size_t size) {
    Input input{data, size};
    const auto rewind = [&] {
        soap_destroy(soap);
        soap_end(soap);
        input = {data, size};
        soap->user = &input;
        soap->frecv = ReadInput;
    };
    rewind();
    _bsi__StartSessionResponse session;
    soap_recv___bsiwsdl__StartSession(soap, &session);
    rewind();
    char* literal = nullptr;
    soap_recv___bsiwsdl__EndSession(soap, &literal);
    rewind();
    _bsi__SubscribeResponse subscription;
    soap_recv___bsiwsdl__Subscribe(soap, &subscription);
    rewind();
    _bsi__GetSupportedEventsResponse events;
    soap_recv___bsiwsdl__GetSupportedEvents(soap, &events);
    rewind();
    _bsi__GetDetailedStateResponse state;
    soap_recv___bsiwsdl__GetDetailedState(soap, &state);
    rewind();
    __ixawsdl__GetDataResponse read;
    soap_recv___ixawsdl__GetData(soap, read);
    rewind();
    __ixawsdl__SetDataResponse set;
    soap_recv___ixawsdl__SetData(soap, set);
    rewind();
    __ixawsdl__GetSettableResponse settable;
    soap_recv___ixawsdl__GetSettable(soap, settable);
    soap_destroy(soap);
    soap_end(soap);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    struct soap* soap = soap_new1(kavelin::binding::kEngineMode);
    soap_set_namespaces(soap, namespaces);
    ReadEveryAnswer(soap, data, size);
    soap_free(soap);
    return 0;
}
