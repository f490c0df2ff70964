// Hand-written answers fed over a loopback socket to the generated readers.
#include "binding/SoapContext.h"
#include "support/CannedServer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kavelin_test {
namespace {

using kavelin::binding::ResultOf;

const std::string kSchemas = "=\"http://schemas.orvanta.example/schemas/imaging/con/";
const std::string kBsi = "xmlns:b" + kSchemas + "bsi/2003/08/21\"";
const std::string kIxaGet = "xmlns:g" + kSchemas + "ixa/2004/07/20\"";
const std::string kIxaSet = "xmlns:t" + kSchemas + "ixa/2005/05/05\"";
const std::string kTypes = " xmlns:i=\"http://www.w3.org/2001/XMLSchema-instance\" "
                           "xmlns:x=\"http://www.w3.org/2001/XMLSchema\"";
const std::string kFault = "<s:Fault><faultcode>s:Server</faultcode>"
                           "<faultstring>busy</faultstring></s:Fault>";

// Runs one exchange against a canned answer and returns what the reader made of it.
using Reader = std::function<std::string(struct soap*, const std::string& url, int& status)>;

std::string Session(const bsi__SessionTicket_USCOREt* ticket) {
    if (!ticket)
        return "(none)";
    std::string text = (ticket->bsi__SessionID ? ticket->bsi__SessionID->__item : "-") + "|" +
                       ticket->bsi__SessionLanguage;
    for (const auto& role : ticket->bsi__GrantedRole)
        text += "|" + role;
    return text;
}

std::string StartSession(struct soap* soap, const std::string& url, int& status) {
    _bsi__StartSessionResponse response;
    status = kavelin::binding::StartSession(soap, url.c_str(), nullptr, nullptr, &response);
    return Session(ResultOf(response));
}

std::string Subscribe(struct soap* soap, const std::string& url, int& status) {
    _bsi__SubscribeResponse response;
    status = kavelin::binding::Subscribe(soap, url.c_str(), nullptr, nullptr, &response);
    return ResultOf(response) ? ResultOf(response)->__item : "(none)";
}

std::string SupportedEvents(struct soap* soap, const std::string& url, int& status) {
    _bsi__GetSupportedEventsResponse response;
    status = kavelin::binding::GetSupportedEvents(soap, url.c_str(), nullptr, nullptr, &response);
    const auto* list = ResultOf(response);
    if (!list)
        return "(none)";
    std::string text = std::to_string(list->bsi__Event.size());
    for (const auto& event : list->bsi__Event)
        text += "|" + event;
    return text;
}

std::string State(struct soap* soap, const std::string& url, int& status) {
    _bsi__GetStateResponse response;
    status = kavelin::binding::GetState(soap, url.c_str(), nullptr, nullptr, &response);
    const auto* state = response.bsi__GetStateResult;
    return state && state->bsi__ServiceInfo ? std::to_string(state->bsi__ServiceInfo->bsi__State)
                                            : "(none)";
}

std::string EndSession(struct soap* soap, const std::string& url, int& status) {
    char* answer = nullptr;
    status = kavelin::binding::EndSession(soap, url.c_str(), nullptr, nullptr, &answer);
    return answer ? answer : "(null)";
}

std::string GetData(struct soap* soap, const std::string& url, int& status) {
    _ixagd__GetData request;
    request.soap_default(soap);
    __ixawsdl__GetDataResponse response;
    status = kavelin::binding::GetData(soap, url.c_str(), nullptr, &request, response);
    return response.ixagd__GetDataResponse ? ResultOf(*response.ixagd__GetDataResponse) : "(none)";
}

std::string Ticket(const _x0058ML_USCORETicket_USCOREt& ticket) {
    return ticket.Ticket.text ? ticket.Ticket.text : "(null)";
}

std::string GetSettable(struct soap* soap, const std::string& url, int& status) {
    __ixawsdl__GetSettableResponse response;
    status = kavelin::binding::GetSettable(soap, url.c_str(), nullptr, nullptr, response);
    return response.ixagd__GetSettableResponse
               ? Ticket(response.ixagd__GetSettableResponse->GetSettableResult)
               : "(none)";
}

// The set service's wrapper forms: a request of defaults; the answer's ticket, if any.
#define KV_TICKET_READER(Request, Op)                                                              \
    std::string Op(struct soap* soap, const std::string& url, int& status) {                       \
        Request request;                                                                           \
        request.soap_default(soap);                                                                \
        __ixawsdl__##Op##Response response;                                                        \
        status = kavelin::binding::Op(soap, url.c_str(), nullptr, &request, response);             \
        const auto* answer = response.ixasd__##Op##Response;                                       \
        return answer ? Ticket(answer->Op##Result) : "(none)";                                     \
    }

KV_TICKET_READER(_ixasd__SetData, SetData)
KV_TICKET_READER(_ixaad__AddData, AddData)
KV_TICKET_READER(_ixard__RemoveData, RemoveData)

// An element of the base (b), data-access get (g) or set (t) namespace, declared on it.
std::string B(const std::string& name, const std::string& content, const std::string& more = "") {
    return "<b:" + name + " " + kBsi + more + ">" + content + "</b:" + name + ">";
}
std::string G(const std::string& name, const std::string& content, const std::string& more = "") {
    return "<g:" + name + " " + kIxaGet + more + ">" + content + "</g:" + name + ">";
}
std::string T(const std::string& name, const std::string& content) {
    return "<t:" + name + " " + kIxaSet + ">" + content + "</t:" + name + ">";
}
std::string StateIs(const std::string& content, const std::string& more = "") {
    return B("GetStateResponse",
             "<b:GetStateResult><b:ServiceInfo>" + content + "</b:ServiceInfo></b:GetStateResult>",
             more);
}

const struct AnswerCase {
    const char* what;
    std::string body;
    Reader read;
    int status; // -1: any non-zero status
    std::string decoded;
    std::string httpStatus = "200 OK";
} kAnswers[] = {
    {"named session result",
     B("StartSessionResponse", "<b:StartSessionResult><b:SessionID>S1</b:SessionID>"
                               "<b:SessionLanguage>en</b:SessionLanguage></b:StartSessionResult>"),
     StartSession, 0, "S1|en"},
    {"session result as return, out of order, second language skipped",
     B("StartSessionResponse",
       "<b:return><b:GrantedRole>r1</b:GrantedRole><b:SessionLanguage>en</b:SessionLanguage>"
       "<b:SessionLanguage>de</b:SessionLanguage><b:Unknown><b:x/></b:Unknown>"
       "<b:GrantedRole>r2</b:GrantedRole><b:SessionID>S2</b:SessionID></b:return>"),
     StartSession, 0, "S2|en|r1|r2"},
    {"subscription as return", B("SubscribeResponse", "<b:return>SUB-1</b:return>"), Subscribe, 0,
     "SUB-1"},
    {"supported events as return",
     B("GetSupportedEventsResponse",
       "<b:return><b:Event>a</b:Event><b:Event>b</b:Event></b:return>"),
     SupportedEvents, 0, "2|a|b"},
    {"empty event list", B("GetSupportedEventsResponse", "<b:GetSupportedEventsResult/>"),
     SupportedEvents, 0, "0"},
    {"enumeration by number", StateIs("<b:State>1</b:State>"), State, 0, "1"},
    {"enumeration by name", StateIs("<b:State>Unknown</b:State>"), State, 0, "2"},
    {"enumeration number outside its table", StateIs("<b:State>7</b:State>"), State, 0, "7"},
    {"unknown enumeration text", StateIs("<b:State>running</b:State>"), State, SOAP_TYPE, "(none)"},
    {"service identifier typed as another type",
     StateIs("<b:ServiceID i:type=\"x:string\">svc</b:ServiceID><b:State>1</b:State>", kTypes),
     State, SOAP_TYPE, "(none)"},
    {"session identifier typed as another type",
     B("StartSessionResponse",
       "<b:StartSessionResult><b:SessionID i:type=\"x:string\">S1</b:SessionID>"
       "</b:StartSessionResult>",
       kTypes),
     StartSession, SOAP_TYPE, "(none)"},
    {"subscription typed as its own type",
     B("SubscribeResponse",
       "<b:SubscribeResult i:type=\"b:SubscriptionID_t\">SUB-2</b:SubscribeResult>", kTypes),
     Subscribe, 0, "SUB-2"},
    {"subscription typed as another type",
     B("SubscribeResponse", "<b:SubscribeResult i:type=\"x:int\">3</b:SubscribeResult>", kTypes),
     Subscribe, SOAP_TYPE, "(none)"},
    {"data result typed as its own type",
     G("GetDataResponse", "<GetDataResult i:type=\"g:Device_t\">text</GetDataResult>", kTypes),
     GetData, 0, "text"},
    {"data result typed as another type",
     G("GetDataResponse", "<GetDataResult i:type=\"x:int\">1</GetDataResult>", kTypes), GetData,
     SOAP_TYPE, "(none)"},
    {"fault to an object form", kFault, StartSession, -1, "(none)"},
    {"unexpected element to an object form", "<b:Other " + kBsi + "/>", StartSession, -1, "(none)"},
    {"fault to a wrapper form", kFault, GetData, -1, "(none)"},
    {"fault to a literal form", kFault, EndSession, SOAP_FAULT, "(null)"},
    {"literal form takes any first element", B("Other", "ok<b:x/>"), EndSession, 0, "ok<b:x/>"},
    {"escaped result unescaped, extra elements skipped",
     G("GetDataResponse",
       "<GetDataResult>&lt;dd:Status&gt;Idle &amp; ready&lt;/dd:Status&gt;</GetDataResult>") +
         G("Noise", "<a/>"),
     GetData, 0, "<dd:Status>Idle & ready</dd:Status>"},
    {"data result as return", G("GetDataResponse", "<return>text</return>"), GetData, 0, "text"},
    {"missing data result", "<g:GetDataResponse " + kIxaGet + "/>", GetData, 0, ""},
    {"settable answer in the shared namespace",
     G("GetSettableResponse", "<GetSettableResult><Ticket>a</Ticket></GetSettableResult>"),
     GetSettable, 0, "a"},
    {"added answer in the shared namespace",
     T("AddDataResponse", "<AddDataResult><r>b</r></AddDataResult>"), AddData, 0, "b"},
    {"removed answer in the shared namespace",
     T("RemoveDataResponse", "<RemoveDataResult><r>c</r></RemoveDataResult>"), RemoveData, 0, "c"},
    // Elements beside the response are skipped on either side, in every wrapper form.
    {"unknown element before the data answer",
     G("Noise", "<a/>") + G("GetDataResponse", "<GetDataResult>text</GetDataResult>"), GetData, 0,
     "text"},
    {"unknown element before the set answer",
     "<Noise/>" + T("SetDataResponse", "<SetDataResult><r>s</r></SetDataResult>"), SetData, 0, "s"},
    {"unknown element before the settable answer",
     "<g:Noise " + kIxaGet + "/>" +
         G("GetSettableResponse", "<GetSettableResult><r>a</r></GetSettableResult>"),
     GetSettable, 0, "a"},
    {"unknown element before the added answer",
     "<Noise>x</Noise>" + T("AddDataResponse", "<AddDataResult><r>b</r></AddDataResult>"), AddData,
     0, "b"},
    {"unknown elements around the removed answer",
     "<Noise/><Noise/>" + T("RemoveDataResponse", "<RemoveDataResult><r>c</r></RemoveDataResult>") +
         "<Noise/>",
     RemoveData, 0, "c"},
    // Unqualified members are matched by their local name, whatever prefix they arrive with.
    {"data result with the response's prefix",
     G("GetDataResponse", "<g:GetDataResult>text</g:GetDataResult>"), GetData, 0, "text"},
    {"data result with a foreign prefix",
     G("GetDataResponse", "<q:GetDataResult xmlns:q=\"urn:q\">text</q:GetDataResult>"), GetData, 0,
     "text"},
    {"data result as a prefixed return", G("GetDataResponse", "<g:return>text</g:return>"), GetData,
     0, "text"},
    {"settable result with a prefix",
     G("GetSettableResponse", "<g:GetSettableResult><r>a</r></g:GetSettableResult>"), GetSettable,
     0, "a"},
    {"set result with a prefix",
     T("SetDataResponse", "<t:SetDataResult><r>s</r></t:SetDataResult>"), SetData, 0, "s"},
    // An empty Body holds no element where the object and literal forms expect one, and no
    // response structure to the wrapper forms; under an HTTP error it is that error.
    {"empty Body to an object form", "", StartSession, SOAP_NO_TAG, "(none)"},
    {"empty Body to an object form with a list", "", SupportedEvents, SOAP_NO_TAG, "(none)"},
    {"empty Body to a data answer", "", GetData, 0, "(none)"},
    {"empty Body to a settable answer", "", GetSettable, 0, "(none)"},
    {"empty Body to a set answer", " ", SetData, 0, "(none)"},
    {"empty Body to a literal form", "", EndSession, SOAP_NO_TAG, "(null)"},
    {"empty Body under an HTTP error", "", GetData, -1, "(none)", "500 Internal Server Error"},
    {"empty Body under an HTTP error to a literal form", "", EndSession, -1, "(null)",
     "500 Internal Server Error"},
};

TEST(AnswerDecoding, DecodesHandWrittenAnswers) {
    for (const auto& c : kAnswers) {
        SCOPED_TRACE(c.what);
        CannedServer server({SoapAnswer(c.body, c.httpStatus)});
        auto soap = NewSoapContext();
        int status = 0;
        const auto decoded = c.read(soap.get(), server.Url(), status);
        EXPECT_TRUE(c.status < 0 ? status != 0 : status == c.status) << status;
        EXPECT_EQ(c.decoded, decoded);
    }
}

TEST(AnswerDecoding, NullObjectResponseReadsNoAnswer) {
    CannedServer server({"not an HTTP answer"});
    auto soap = NewSoapContext();
    EXPECT_EQ(0, kavelin::binding::StartSession(soap.get(), server.Url().c_str(), nullptr, nullptr,
                                                nullptr));
}

} // namespace
} // namespace kavelin_test
