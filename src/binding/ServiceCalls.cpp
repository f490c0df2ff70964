#include "binding/ServiceCalls.h"

#include "binding/ReceiveFault.h"

namespace kavelin::binding {

namespace {

// What an empty Body means to the operation: the base service's answers name a response
// element, so it is no answer; to the data-access wrapper answers it is an answer without a
// response structure.
enum class EmptyBody { NoAnswer, Answer };

// The answer to the request just sent: the envelope up to the Body's content, the response as
// `read` decodes it (false or an engine error: what stands there instead goes to the fault
// reader), then the rest, so that a kept-alive connection holds nothing of this answer.
template <class Read> int Receive(struct soap* soap, EmptyBody emptyBody, Read read) {
    if (soap_begin_recv(soap) || soap_envelope_begin_in(soap) || soap_recv_header(soap) ||
        soap_body_begin_in(soap))
        return soap_closesock(soap);
    if (!read() || soap->error)
        return emptyBody == EmptyBody::Answer ? ReadWrapperFaultInBody(soap)
                                              : ReadFaultInBody(soap);
    if (soap_body_end_in(soap) == SOAP_OK && soap_envelope_end_in(soap) == SOAP_OK)
        soap_end_recv(soap);
    return soap_closesock(soap);
}

// A base-service answer: the response element under its qualified name.
template <class Response>
int ReceiveElement(struct soap* soap, Response* response, const char* tag) {
    if (response == nullptr)
        return soap_closesock(soap);
    response->soap_default(soap);
    return Receive(soap, EmptyBody::NoAnswer,
                   [&] { return response->soap_get(soap, tag, nullptr) != nullptr; });
}

// A base-service answer that is literal XML, handed out as the engine's text.
template <class Wrapper>
int ReceiveLiteral(struct soap* soap, char** answer,
                   Wrapper* (*get)(struct soap*, Wrapper*, const char*, const char*),
                   const char* tag) {
    if (answer == nullptr)
        return soap_closesock(soap);
    *answer = nullptr;
    Wrapper* wrapper = nullptr;
    const int status = Receive(soap, EmptyBody::NoAnswer, [&] {
        wrapper = get(soap, nullptr, tag, nullptr);
        return wrapper != nullptr;
    });
    if (status == SOAP_OK && wrapper->__literalAnswer != nullptr)
        *answer = *wrapper->__literalAnswer;
    return status;
}

// A data-access wrapper answer: the Body's children read in turn into the wrapper.
template <class Wrapper>
int ReceiveWrapper(struct soap* soap, Wrapper& response,
                   Wrapper* (*get)(struct soap*, Wrapper*, const char*, const char*),
                   const char* tag) {
    response = Wrapper{};
    return Receive(soap, EmptyBody::Answer,
                   [&] { return get(soap, &response, tag, nullptr) != nullptr; });
}

// The generated calls' result: the engine's error of whichever step failed.
int Result(struct soap* soap, bool failed) {
    return failed ? soap->error : SOAP_OK;
}

} // namespace

int StartSession(struct soap* soap, const char* url, const char* action,
                 _bsi__StartSession* request, _bsi__StartSessionResponse* response) {
    return Result(soap, soap_send___bsiwsdl__StartSession(soap, url, action, request) ||
                            ReceiveElement(soap, response, "bsi:StartSessionResponse"));
}

int EndSession(struct soap* soap, const char* url, const char* action, char* request,
               char** answer) {
    return Result(soap, soap_send___bsiwsdl__EndSession(soap, url, action, request) ||
                            ReceiveLiteral(soap, answer, soap_get___bsiwsdl__EndSessionResponse,
                                           "-bsiwsdl:EndSessionResponse"));
}

int GetState(struct soap* soap, const char* url, const char* action, char* request,
             _bsi__GetStateResponse* response) {
    return Result(soap, soap_send___bsiwsdl__GetState(soap, url, action, request) ||
                            ReceiveElement(soap, response, "bsi:GetStateResponse"));
}

int GetSupportedEvents(struct soap* soap, const char* url, const char* action, char* request,
                       _bsi__GetSupportedEventsResponse* response) {
    return Result(soap, soap_send___bsiwsdl__GetSupportedEvents(soap, url, action, request) ||
                            ReceiveElement(soap, response, "bsi:GetSupportedEventsResponse"));
}

int Subscribe(struct soap* soap, const char* url, const char* action, _bsi__Subscribe* request,
              _bsi__SubscribeResponse* response) {
    return Result(soap, soap_send___bsiwsdl__Subscribe(soap, url, action, request) ||
                            ReceiveElement(soap, response, "bsi:SubscribeResponse"));
}

int Unsubscribe(struct soap* soap, const char* url, const char* action, _bsi__Unsubscribe* request,
                char** answer) {
    return Result(soap, soap_send___bsiwsdl__Unsubscribe(soap, url, action, request) ||
                            ReceiveLiteral(soap, answer, soap_get___bsiwsdl__UnsubscribeResponse,
                                           "-bsiwsdl:UnsubscribeResponse"));
}

int GetData(struct soap* soap, const char* url, const char* action, _ixagd__GetData* request,
            __ixawsdl__GetDataResponse& response) {
    return Result(soap, soap_send___ixawsdl__GetData(soap, url, action, request) ||
                            ReceiveWrapper(soap, response, soap_get___ixawsdl__GetDataResponse,
                                           "-ixawsdl:GetDataResponse"));
}

int GetSettable(struct soap* soap, const char* url, const char* action, char* request,
                __ixawsdl__GetSettableResponse& response) {
    return Result(soap, soap_send___ixawsdl__GetSettable(soap, url, action, request) ||
                            ReceiveWrapper(soap, response, soap_get___ixawsdl__GetSettableResponse,
                                           "-ixawsdl:GetSettableResponse"));
}

int SetData(struct soap* soap, const char* url, const char* action, _ixasd__SetData* request,
            __ixawsdl__SetDataResponse& response) {
    return Result(soap, soap_send___ixawsdl__SetData(soap, url, action, request) ||
                            ReceiveWrapper(soap, response, soap_get___ixawsdl__SetDataResponse,
                                           "-ixawsdl:SetDataResponse"));
}

int AddData(struct soap* soap, const char* url, const char* action, _ixaad__AddData* request,
            __ixawsdl__AddDataResponse& response) {
    return Result(soap, soap_send___ixawsdl__AddData(soap, url, action, request) ||
                            ReceiveWrapper(soap, response, soap_get___ixawsdl__AddDataResponse,
                                           "-ixawsdl:AddDataResponse"));
}

int RemoveData(struct soap* soap, const char* url, const char* action, _ixard__RemoveData* request,
               __ixawsdl__RemoveDataResponse& response) {
    return Result(soap, soap_send___ixawsdl__RemoveData(soap, url, action, request) ||
                            ReceiveWrapper(soap, response, soap_get___ixawsdl__RemoveDataResponse,
                                           "-ixawsdl:RemoveDataResponse"));
}

} // namespace kavelin::binding
