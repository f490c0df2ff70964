#include <gtest/gtest.h>

#include "ProxyTestSupport.h"

using kavelin::device::ScriptedAnswer;
using namespace kavelin_test;

namespace {

std::string Answer(const std::string& headers, const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\n" + headers + "\r\n" + body;
}

std::string Envelope(size_t filler) {
    return "<?xml version=\"1.0\"?><s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/"
           "envelope/\"><s:Body><x>" +
           std::string(filler, 'a') + "</x></s:Body></s:Envelope>";
}

std::string Chunked(const std::string& body) {
    std::string chunks;
    for (size_t at = 0; at < body.size(); at += 4096) {
        const std::string piece = body.substr(at, 4096);
        char size[16];
        std::snprintf(size, sizeof size, "%zx\r\n", piece.size());
        chunks += size + piece + "\r\n";
    }
    return chunks + "0\r\n\r\n";
}

struct BoundCase {
    const char* name;
    ScriptedAnswer answer;
    const char* summary;
};

// A device that drips or floods its answer fails the exchange within the configured bounds;
// both attempts of GetData meet the same answer.
TEST(ProxyExchangeBounds, ADrippingOrOversizeAnswerFailsTheExchange) {
    const std::string big = Envelope(300000);
    const BoundCase cases[] = {
        {"dripped, one byte a quarter second",
         {ScriptedAnswer::Kind::Dripped,
          Answer("Content-Length: " + std::to_string(big.size()) + "\r\n", big)},
         "timed out after 2 s"},
        {"larger than the cap, with its length",
         {ScriptedAnswer::Kind::RawHttp,
          Answer("Content-Length: " + std::to_string(big.size()) + "\r\n", big)},
         "the answer was too large (over 100000 bytes)"},
        {"larger than the cap, chunked",
         {ScriptedAnswer::Kind::RawHttp, Answer("Transfer-Encoding: chunked\r\n", Chunked(big))},
         "the answer was too large (over 100000 bytes)"},
    };
    const ScopedRegistry registry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\n"
                                  "\"TransferTimeout\"=\"2\"\n\"MaxAnswerSize\"=\"100000\"\n");
    for (const BoundCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto device = StartDevice();
        device->Script("GetData", c.answer, 2);
        ProxyHandle proxy = MakeProxy();
        proxy->Initialize(device->BaseServiceUrl(), CPComPtr<ISessionInfo>());
        try {
            proxy->GetData("/", "", 0, 0);
            ADD_FAILURE() << "GetData must fail";
        } catch (const CPException& failure) {
            EXPECT_STREQ(failure.what(), "Get Data Failed!!!");
            const CPExceptionCause* cause = GetExceptionCause(failure);
            ASSERT_NE(cause, nullptr);
            EXPECT_EQ(cause->summary.rfind(c.summary, 0), 0u) << cause->summary;
        }
    }
}

// Within the cap the same answer arrives whole.
TEST(ProxyExchangeBounds, AnAnswerUnderTheCapArrives) {
    const ScopedRegistry registry(
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\n\"MaxAnswerSize\"=\"1000000\"\n");
    auto device = StartDevice();
    ProxyHandle proxy = MakeProxy();
    proxy->Initialize(device->BaseServiceUrl(), CPComPtr<ISessionInfo>());
    EXPECT_FALSE(proxy->GetData("/", "", 0, 0).empty());
}

} // namespace
