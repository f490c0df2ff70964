// The exact bytes of every request the proxy sends, against envelopes written by hand.
#include "binding/SoapContext.h"
#include "support/CannedServer.h"
#include "support/ScratchPath.h"

#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace kavelin_test {
namespace {

// 2023-11-14T22:13:20Z: a fixed attempt time keeps the envelopes (and their lengths) stable.
constexpr time_t kAttemptTime = 1700000000;

std::string Golden(const std::string& name) {
    return FileText(std::string(KAVELIN_TEST_DATA) + "/binding/" + name);
}

// The request's port is the server's ephemeral one; everything else is compared as sent.
std::string Normalised(const std::string& request) {
    return std::regex_replace(request, std::regex("Host: 127\\.0\\.0\\.1:[0-9]+"),
                              "Host: 127.0.0.1:PORT");
}

struct Header {
    SOAP_ENV__Header header{};
    bsi__SessionID_USCOREt sessionId;
    time_t timestamp = kAttemptTime;

    // The proxy's usual header: the session and the attempt time.
    void Install(struct soap* soap, bool withSession) {
        sessionId.__item = "SID-0042";
        header.bsi__SessionID = withSession ? &sessionId : nullptr;
        header.dd__TimeStamp = &timestamp;
        soap->header = &header;
    }
};

using Call = std::function<void(struct soap*, const std::string& url)>;

struct RequestCase {
    const char* golden;
    bool withHeader;
    bool withSession;
    Call call;
};

std::string Sent(const RequestCase& c) {
    CannedServer server({SoapAnswer("")});
    auto soap = NewSoapContext();
    Header header;
    if (c.withHeader)
        header.Install(soap.get(), c.withSession);
    c.call(soap.get(), server.Url());
    return Normalised(server.Requests().at(0));
}

// A subscription to the callback address: with the event's info where `info` (and its cookie
// where one is given), and with the filter where one is given.
void Subscribe(struct soap* soap, const std::string& url, bool info, const char* cookie = nullptr,
               bsi__FilterProperties_USCOREt* filter = nullptr) {
    _bsi__Subscribe request;
    request.soap_default(soap);
    if (info) {
        request.bsi__SubscriptionInfo = soap_new_bsi__SubscriptionInfo_USCOREt(soap);
        request.bsi__SubscriptionInfo->bsi__EventName = "PrinterStatusChanged";
        request.bsi__SubscriptionInfo->bsi__ReliabilityOption =
            bsi__EventReliabilityDescriptor_USCOREt__Retry;
    }
    if (cookie)
        *(request.bsi__SubscriptionInfo->bsi__ClientCookie = soap_new_std__string(soap)) = cookie;
    request.bsi__FilterProperties = filter;
    request.bsi__ClientDeliveryAddress = "http://10.0.0.7:8080/EventCallback";
    _bsi__SubscribeResponse response;
    kavelin::binding::Subscribe(soap, url.c_str(), "Subscribe", &request, &response);
}

void EndSession(struct soap* soap, const std::string& url) {
    char* answer = nullptr;
    kavelin::binding::EndSession(soap, url.c_str(), "EndSession", nullptr, &answer);
}

const std::vector<RequestCase> kRequests = {
    {"StartSession.http", true, false,
     [](struct soap* soap, const std::string& url) {
         auto* credentials = soap_new_bsi__UserNamePassword_USCOREt(soap);
         credentials->bsi__UserNameToken = "guest";
         credentials->bsi__Password = soap_new_std__string(soap);
         *credentials->bsi__Password = "p&ss";
         auto* ticket = soap_new_bsi__RequestTicket_USCOREt(soap);
         ticket->bsi__Credentials = credentials;
         ticket->bsi__RequestedLanguage = {"de-DE"};
         ticket->bsi__RequestedRole = {"Guest", "Operator"};
         _bsi__StartSession request;
         request.soap_default(soap);
         request.bsi__RequestTicket = ticket;
         _bsi__StartSessionResponse response;
         kavelin::binding::StartSession(soap, url.c_str(), "StartSession", &request, &response);
     }},
    {"EndSession.http", true, true, EndSession},
    {"GetDataWithoutPrefixes.http", true, true,
     [](struct soap* soap, const std::string& url) {
         _ixagd__GetData request;
         request.soap_default(soap);
         request.Path = "/dd:Printer/dd:Status";
         __ixawsdl__GetDataResponse response;
         kavelin::binding::GetData(soap, url.c_str(), "GetData", &request, response);
     }},
    {"GetDataWithPrefixes.http", true, true,
     [](struct soap* soap, const std::string& url) {
         auto* prefixes = soap_new_ixagd__PrefixMapList(soap);
         for (const auto& [prefix, name] : std::vector<std::pair<std::string, std::string>>{
                  {"dd", "urn:one"}, {"pwg", "urn:two"}, {"x", "urn:three"}}) {
             auto* entry = soap_new_ixagd__PrefixMap_USCOREt(soap);
             entry->Prefix = prefix;
             entry->URL = name;
             prefixes->PrefixMap.push_back(entry);
         }
         _ixagd__GetData request;
         request.soap_default(soap);
         request.Prefixes = prefixes;
         request.Path = "//dd:Tray[dd:Level < 5 and @id != 'a&b']";
         __ixawsdl__GetDataResponse response;
         kavelin::binding::GetData(soap, url.c_str(), "GetData", &request, response);
     }},
    {"SetData.http", true, true,
     [](struct soap* soap, const std::string& url) {
         _ixasd__SetData request;
         request.soap_default(soap);
         request.XDM_USCOREDocument.Ticket.text =
             soap_strdup(soap, "<dd:Printer><dd:Name>Front &amp; back</dd:Name></dd:Printer>");
         request.ResultsDetails = true;
         __ixawsdl__SetDataResponse response;
         kavelin::binding::SetData(soap, url.c_str(), "SetData", &request, response);
     }},
    {"GetSettable.http", true, true,
     [](struct soap* soap, const std::string& url) {
         __ixawsdl__GetSettableResponse response;
         kavelin::binding::GetSettable(soap, url.c_str(), "GetSettable", nullptr, response);
     }},
    {"SubscribeFull.http", true, true,
     [](struct soap* soap, const std::string& url) {
         auto* filter = soap_new_bsi__FilterProperties_USCOREt(soap);
         for (const char* name : {"Severity", "Component"}) {
             auto* pair = soap_new_bsi__Pair_USCOREt(soap);
             pair->bsi__Name = name;
             pair->bsi__Value = std::string(name) + "-value";
             filter->bsi__FilterOn.push_back(pair);
         }
         Subscribe(soap, url, true, "http://10.0.0.7:8080/EventCallbackCliCook:c<1>", filter);
     }},
    {"SubscribePlain.http", true, true,
     [](struct soap* soap, const std::string& url) { Subscribe(soap, url, true); }},
    {"SubscribeAddressOnly.http", true, true,
     [](struct soap* soap, const std::string& url) { Subscribe(soap, url, false); }},
    {"Unsubscribe.http", true, true,
     [](struct soap* soap, const std::string& url) {
         _bsi__Unsubscribe request;
         request.soap_default(soap);
         request.bsi__SubscriptionID = soap_new_bsi__SubscriptionID_USCOREt(soap);
         request.bsi__SubscriptionID->__item = "SUB-7";
         char* answer = nullptr;
         kavelin::binding::Unsubscribe(soap, url.c_str(), "Unsubscribe", &request, &answer);
     }},
    {"GetSupportedEvents.http", true, true,
     [](struct soap* soap, const std::string& url) {
         _bsi__GetSupportedEventsResponse response;
         kavelin::binding::GetSupportedEvents(soap, url.c_str(), "GetSupportedEvents", nullptr,
                                              &response);
     }},
    // The frame's own variations: no header, time stamp alone, the default action (the
    // default endpoint is not reachable here, so the endpoint stays given), a null object
    // request and a literal request with content, written unescaped.
    {"NoHeader.http", false, false, EndSession},
    {"TimeStampAlone.http", true, false, EndSession},
    {"DefaultAction.http", false, false,
     [](struct soap* soap, const std::string& url) {
         __ixawsdl__GetSettableResponse response;
         kavelin::binding::GetSettable(soap, url.c_str(), nullptr, nullptr, response);
     }},
    {"NullObjectRequest.http", false, false,
     [](struct soap* soap, const std::string& url) {
         kavelin::binding::StartSession(soap, url.c_str(), nullptr, nullptr, nullptr);
     }},
    {"LiteralRequest.http", false, false,
     [](struct soap* soap, const std::string& url) {
         char literal[] = "<bsi:SessionID>SID-0042</bsi:SessionID>";
         _bsi__GetSessionTicketResponse response;
         soap_call___bsiwsdl__GetSessionTicket(soap, url.c_str(), nullptr, literal, &response);
     }},
};

TEST(RequestEnvelope, MatchesTheHandWrittenEnvelope) {
    for (const auto& c : kRequests) {
        SCOPED_TRACE(c.golden);
        EXPECT_EQ(Golden(c.golden), Sent(c));
    }
}

// The auxiliary prefix is matched on input by rows that name no namespace: an answer that binds
// it leaves the next request of the same engine context as the first.
TEST(RequestEnvelope, AnAnswerInTheAuxiliarySchemaLeavesTheNextRequestAsItWas) {
    const std::string answer = SoapAnswer(
        "<ns1:Range xmlns:ns1=\"urn:example:aux\" xmlns:q=\"urn:example:other\" id=\"r\">"
        "<ns1:Min>1</ns1:Min><q:Max>2</q:Max></ns1:Range><b:GetStateResponse "
        "xmlns:b=\"http://schemas.orvanta.example/schemas/imaging/con/bsi/2003/08/21\"/>");
    CannedServer server({answer, answer});
    auto soap = NewSoapContext();
    for (int call = 0; call < 2; ++call) {
        _bsi__GetStateResponse response;
        kavelin::binding::GetState(soap.get(), server.Url().c_str(), nullptr, nullptr, &response);
    }
    const auto& requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(Normalised(requests[0]), Normalised(requests[1]));
    EXPECT_EQ(requests[1].find("ns1"), std::string::npos) << requests[1];
}

} // namespace
} // namespace kavelin_test
