#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include "ProxyTestSupport.h"
#include "proxy/EngineContext.h"
#include "proxy/ExchangeTimeouts.h"

using kavelin::device::ScriptedAnswer;
using namespace kavelin_test;

namespace {

std::string Envelope(const std::string& body) {
    return "<?xml version=\"1.0\"?><s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/"
           "envelope/\"><s:Body>" +
           body + "</s:Body></s:Envelope>";
}

// An answer of 300000 bytes with its length, or chunked when `chunked`.
std::string LargeAnswer(bool chunked) {
    const std::string body = Envelope("<x>" + std::string(300000, 'a') + "</x>");
    std::string headers = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\n";
    if (!chunked)
        return headers + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    std::string chunks;
    for (size_t at = 0; at < body.size(); at += 4096) {
        const std::string piece = body.substr(at, 4096);
        char size[16];
        std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
        chunks += size + piece + "\r\n";
    }
    return headers + "Transfer-Encoding: chunked\r\n\r\n" + chunks + "0\r\n\r\n";
}

// `text` sent as an envelope, raw or dripped (the device's script kinds), or the device's own
// misbehaviours.
enum class Misbehave { Envelope, RawHttp, Dripped, Fault, CloseMidAnswer, Silent };

// (how, its text, the cause's summary, engine error name (null: any) and HTTP status, what the
// level-1 line gives in brackets after the summary (null: not checked))
using CauseCase = std::tuple<Misbehave, std::string, const char*, const char*, int, const char*>;

// Every failure of both GetData attempts reads the same: the device misbehaves twice. A device
// that drips or floods its answer fails the exchange within the configured bounds.
TEST(ProxyFailureCause, EachFailedExchangeNamesItsOwnCause) {
    const CauseCase cases[] = {
        {Misbehave::Fault, "", "the device answered with a Fault: injected fault for GetData",
         "SOAP_SVR_FAULT", 500,
         "SOAP_SVR_FAULT 2, HTTP 500, SOAP-ENV:Server, ServiceException: InternalError"},
        {Misbehave::Envelope, // fault with a detail the catalogue does not know
         Envelope("<s:Fault><faultcode>s:Server</faultcode><faultstring>busy</faultstring>"
                  "<detail><Odd>why</Odd></detail></s:Fault>"),
         "the device answered with a Fault: busy", "SOAP_FAULT", 200,
         "SOAP_FAULT 12, HTTP 200, SOAP-ENV:Server, <Odd>why</Odd>"},
        {Misbehave::CloseMidAnswer, "", "the connection closed mid-answer", "SOAP_EOF", 200,
         "SOAP_EOF -1, HTTP 200"},
        {Misbehave::RawHttp, "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\ngone",
         "the device answered with HTTP status 404", "HTTP 404", 404, nullptr},
        // A repeated id fails the engine's reading of the Fault, so the Fault says nothing.
        {Misbehave::Envelope,
         Envelope("<s:Fault id=\"a\"><faultcode id=\"a\">s:Server</faultcode><faultstring "
                  "id=\"a\">busy</faultstring><detail href=\"#a\"/></s:Fault>"),
         "not a SOAP answer", nullptr, 200, nullptr},
        {Misbehave::Envelope, // fault that would drive a terminal and forge log lines
         Envelope("<s:Fault><faultcode>s:Server</faultcode><faultstring>\x1b[2J\x1b]52;c;aGk=\x07"
                  "&#13;&#10;12/08/2026 10:00:00 [1/1/1] OVCOM.Kavelin::forged" +
                  std::string(5000, 'x') + "</faultstring></s:Fault>"),
         "the device answered with a Fault: \\x1b[2J\\x1b]52;c;aGk=\\x07\\r\\n12/08/2026", nullptr,
         200, nullptr},
        {Misbehave::Envelope, "plain words", "not a SOAP answer (HTTP 200, text/xml", nullptr, 200,
         nullptr},
        {Misbehave::RawHttp,
         "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 27\r\n\r\n<html><p>"
         "Printer</p></html>",
         "not a SOAP answer (HTTP 200, text/html)", "SOAP_NO_TAG", 200, nullptr},
        {Misbehave::RawHttp, // closed after the answer's header
         "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: 300\r\n\r\n",
         "the connection closed mid-answer", nullptr, 200, nullptr},
        // Accepted and never answered: each attempt ends after the configured wait.
        {Misbehave::Silent, "", "timed out after 1 s", nullptr, 0, nullptr},
        // Dripped, one byte a quarter second.
        {Misbehave::Dripped, LargeAnswer(false), "timed out after 2 s", nullptr, 0, nullptr},
        {Misbehave::RawHttp, LargeAnswer(false), "the answer was too large (over 100000 bytes)",
         nullptr, 200, nullptr},
        {Misbehave::RawHttp, LargeAnswer(true), "the answer was too large (over 100000 bytes)",
         nullptr, 200, nullptr},
    };
    const ScopedRegistry registry(kConfigurationKey +
                                  "\"IOTimeout\"=\"1\"\n\"TransferTimeout\"=\"2\"\n"
                                  "\"MaxAnswerSize\"=\"100000\"\n");
    for (const auto& [how, text, summary, engineErrorName, httpStatus, logged] : cases) {
        SCOPED_TRACE(text.substr(0, 80) + " -> " + summary);
        auto device = StartDevice();
        if (how == Misbehave::Fault)
            device->FailNext("GetData", 2);
        else if (how == Misbehave::CloseMidAnswer)
            device->CloseMidAnswerNext("GetData", 2);
        else if (how == Misbehave::Silent)
            device->NeverAnswerNext("GetData", 2);
        else
            device->Script("GetData", {static_cast<ScriptedAnswer::Kind>(how), text}, 2);
        ProxyHandle proxy = MakeProxy();
        proxy->Initialize(device->BaseServiceUrl(), CPComPtr<ISessionInfo>());
        const LogCapture log = ProcessLog();
        try {
            proxy->GetData("/", "", 0, 0);
            ADD_FAILURE() << "GetData must fail";
        } catch (const CPException& failure) {
            EXPECT_STREQ(failure.what(), "Get Data Failed!!!");
            const CPExceptionCause* cause = GetExceptionCause(failure);
            ASSERT_NE(cause, nullptr);
            EXPECT_EQ(cause->summary.rfind(summary, 0), 0u) << cause->summary;
            if (engineErrorName != nullptr) {
                EXPECT_EQ(cause->engineErrorName, engineErrorName);
            }
            EXPECT_EQ(cause->httpStatus, httpStatus);
            for (const std::string* text : {&cause->summary, &cause->faultString})
                EXPECT_LE(text->size(), 1024u + 3) << *text;
        }
        // Nothing the device sent reaches the log raw: no control byte, no line of its own.
        EXPECT_EQ(log.Text().find_first_of("\x1b\x07"), std::string::npos);
        EXPECT_EQ(log.Text().find("\n12/08/2026"), std::string::npos);
        if (logged != nullptr) {
            EXPECT_EQ(
                log.Count(1, std::string("IXDMAccessSoap::GetData - error: exchange failed: ") +
                                 summary + " (" + logged + ")"),
                2)
                << log.Text();
        }
    }
}

// Each bound reaches the engine from its own value; a value that is no whole number from 1 to
// its most keeps the default (zero would be no bound at all).
TEST(ProxyFailureCause, EachBoundComesFromItsOwnValueOrItsDefault) {
    const char* const names[] = {"ConnectTimeout", "IOTimeout", "TransferTimeout", "MaxAnswerSize"};
    struct Case {
        const char* values[4]; // in the order of the names
        int connect, io, transfer;
        uint64_t cap;
    };
    const uint64_t defaultCap = 64ull << 20;
    const Case cases[] = {
        {{"3", "4", "5", "6"}, 3, 4, 5, 6},
        {{"0", "0", "0", "0"}, 10, 60, 120, defaultCap},
        {{"-1", " 7", "86401", "7x"}, 10, 60, 120, defaultCap},
    };
    for (const Case& c : cases) {
        std::string values;
        for (size_t i = 0; i < 4; ++i)
            values += "\"" + std::string(names[i]) + "\"=\"" + c.values[i] + "\"\n";
        const ScopedRegistry registry(kConfigurationKey + values);
        kavelin::proxy::EngineContext engine;
        engine.SetTimeouts(kavelin::proxy::ReadExchangeTimeouts());
        const struct soap& soap = *engine.Soap();
        EXPECT_EQ(std::vector<int>({soap.connect_timeout, soap.send_timeout, soap.recv_timeout,
                                    soap.transfer_timeout}),
                  std::vector<int>({c.connect, c.io, c.io, c.transfer}))
            << values;
        EXPECT_EQ(soap.recv_maxlength, c.cap) << values;
    }
}

// Within the cap the same answer arrives whole (the URL's scheme in capitals, as a host may
// write it).
TEST(ProxyFailureCause, AnAnswerUnderTheCapArrives) {
    const ScopedRegistry registry(kConfigurationKey + "\"MaxAnswerSize\"=\"1000000\"\n");
    auto device = StartDevice();
    ProxyHandle proxy = MakeProxy();
    proxy->Initialize("HTTP" + device->BaseServiceUrl().substr(4), CPComPtr<ISessionInfo>());
    EXPECT_FALSE(proxy->GetData("/", "", 0, 0).empty());
}

} // namespace
