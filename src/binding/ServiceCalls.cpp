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
    // The engine reads an answer without a SOAP envelope (a web page) as plain XML, and a
    // response whose result may be absent then decodes as empty: no answer at all.
    if (soap->error == SOAP_OK && soap->version == 0)
        soap->error = SOAP_NO_TAG;
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

// A data-access wrapper answer: the Body's children in turn, the response element read once
// and every other child left to the engine's skipping rule, which still stops at a SOAP-ENV
// element so that a Fault in the Body is found. A Body that ends before any child is empty.
// A Body of other elements alone is not this operation's answer (a late copy of an earlier
// one, say): the exchange fails and the connection closes, so that what follows on it is not
// taken for the next request's answer.
template <class Element>
int ReceiveWrapped(struct soap* soap, Element*& element,
                   Element** (*in)(struct soap*, const char*, Element**, const char*),
                   const char* tag) {
    element = nullptr;
    bool skipped = false;
    const int status = Receive(soap, EmptyBody::Answer, [&] {
        for (bool first = true;; first = false) {
            soap->error = SOAP_TAG_MISMATCH;
            if (element == nullptr && in(soap, tag, &element, "") != nullptr)
                continue;
            soap_check_result(soap, tag);
            if (soap->error == SOAP_TAG_MISMATCH) {
                skipped = true;
                soap->error = soap_ignore_element(soap);
            }
            if (!first && soap->error == SOAP_NO_TAG)
                return soap_getindependent(soap) == SOAP_OK;
            if (soap->error)
                return false;
        }
    });
    if (status != SOAP_OK || element != nullptr || !skipped)
        return status;
    soap->error = SOAP_TAG_MISMATCH;
    return soap_closesock(soap);
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
                            ReceiveWrapped(soap, response.ixagd__GetDataResponse,
                                           soap_in_PointerTo_ixagd__GetDataResponse,
                                           "ixagd:GetDataResponse"));
}

int GetSettable(struct soap* soap, const char* url, const char* action, char* request,
                __ixawsdl__GetSettableResponse& response) {
    return Result(soap, soap_send___ixawsdl__GetSettable(soap, url, action, request) ||
                            ReceiveWrapped(soap, response.ixagd__GetSettableResponse,
                                           soap_in_PointerTo_ixags__GetSettableResponse,
                                           "ixagd:GetSettableResponse"));
}

int SetData(struct soap* soap, const char* url, const char* action, _ixasd__SetData* request,
            __ixawsdl__SetDataResponse& response) {
    return Result(soap, soap_send___ixawsdl__SetData(soap, url, action, request) ||
                            ReceiveWrapped(soap, response.ixasd__SetDataResponse,
                                           soap_in_PointerTo_ixasd__SetDataResponse,
                                           "ixasd:SetDataResponse"));
}

int AddData(struct soap* soap, const char* url, const char* action, _ixaad__AddData* request,
            __ixawsdl__AddDataResponse& response) {
    return Result(soap, soap_send___ixawsdl__AddData(soap, url, action, request) ||
                            ReceiveWrapped(soap, response.ixasd__AddDataResponse,
                                           soap_in_PointerTo_ixaad__AddDataResponse,
                                           "ixasd:AddDataResponse"));
}

int RemoveData(struct soap* soap, const char* url, const char* action, _ixard__RemoveData* request,
               __ixawsdl__RemoveDataResponse& response) {
    return Result(soap, soap_send___ixawsdl__RemoveData(soap, url, action, request) ||
                            ReceiveWrapped(soap, response.ixasd__RemoveDataResponse,
                                           soap_in_PointerTo_ixard__RemoveDataResponse,
                                           "ixasd:RemoveDataResponse"));
}

} // namespace kavelin::binding
