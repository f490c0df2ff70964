#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "GetDataExchange.h"
#include "support/LogCapture.h"
#include "support/RegistryFile.h"
#include "transport/OrvantaDCSPlugin.h"
#include "transport/TransportPlugins.h"

namespace {

using namespace kavelin::transport;
using kavelin_test::kReadTimesOut;
using kavelin_test::LogCapture;
using kavelin_test::StreamJournal;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr std::string_view kEndTag = "</SOAP-ENV:Envelope>";

// An envelope of exactly `size` bytes: the XML declaration, filler, the end tag.
std::string Envelope(size_t size) {
    std::string body = "<?xml version=\"1.0\"?>";
    body.append(size - body.size() - kEndTag.size(), 'x');
    body.append(kEndTag);
    return body;
}

std::vector<size_t> SizesOf(const std::vector<std::string>& writes) {
    std::vector<size_t> sizes;
    for (const std::string& write : writes)
        sizes.push_back(write.size());
    return sizes;
}

class DirectConnectPlugin : public kavelin_test::RecordingStreamEngine {
protected:
    bool Attach(const char* url) {
        RegisterTransportPlugins(&mSoap, url);
        return soap_lookup_plugin(&mSoap, kOrvantaDCSPluginId) != nullptr;
    }

    int Send(std::string_view bytes) { return mSoap.fsend(&mSoap, bytes.data(), bytes.size()); }

    // The header as the engine sends it: a few pieces per line.
    void SendHeader() {
        for (std::string_view piece : {"POST /ixa HTTP/1.1", "\r\n", "Host", ": ", "dev", "\r\n",
                                       "SOAPAction", ": ", "\"GetData\"", "\r\n", "\r\n"})
            ASSERT_EQ(Send(piece), 0);
    }

    size_t Receive() {
        char buffer[256];
        return mSoap.frecv(&mSoap, buffer, sizeof buffer);
    }

    int GetData(const char* url, std::string* result) {
        return kavelin_test::GetData(&mSoap, url, "GetData", result);
    }
};

TEST_F(DirectConnectPlugin, AttachesOnlyToTheDirectConnectScheme) {
    using Row = std::pair<const char*, bool>;
    for (const auto& [url, attaches] : {Row{"ovdcs://dev", true}, Row{"OVDCS://dev", true},
                                        Row{"OvDcS:", true}, Row{"http://127.0.0.1:80/x", false},
                                        Row{"ovdcs", false}, Row{"", false}, Row{nullptr, false}}) {
        SCOPED_TRACE(url == nullptr ? "(null)" : url);
        Reset();
        const int created = mJournal.created;
        EXPECT_EQ(Attach(url), attaches);
        EXPECT_EQ(mJournal.created - created, attaches ? 1 : 0);
        EXPECT_EQ(mSoap.fconnect != nullptr, attaches);
        EXPECT_EQ(mSoap.error, SOAP_OK);
    }
}

TEST_F(DirectConnectPlugin, OpensTheTargetBehindTheSchemeAndItsSlashes) {
    ASSERT_TRUE(Attach("ovdcs:"));
    using Row = std::pair<const char*, std::u16string>;
    for (const auto& [endpoint, target] :
         {Row{"ovdcs://dev/path", u"dev/path"}, Row{"ovdcs:\\\\name", u"name"}, Row{"ovdcs:", u""},
          Row{"OVDCS:/\\/unix/run/x", u"unix/run/x"}, Row{"plain/name", u"plain/name"}}) {
        SCOPED_TRACE(endpoint);
        EXPECT_EQ(mSoap.fconnect(&mSoap, endpoint, "host", 80), 0);
        ASSERT_FALSE(mJournal.openTargets.empty());
        EXPECT_EQ(mJournal.openTargets.back(), target);
    }
}

TEST_F(DirectConnectPlugin, OpenResultDecidesWhetherTheStreamIsOpen) {
    mJournal.openResult = E_FAIL;
    ASSERT_TRUE(Attach("ovdcs://dev"));
    EXPECT_EQ(mSoap.fconnect(&mSoap, "ovdcs://dev", "", 0), E_FAIL);
    // The stream's status text says why.
    EXPECT_EQ(OrvantaDCSPluginFailure(&mSoap).summary,
              "the data stream did not open: ovdcs://dev: opened");
    EXPECT_EQ(OrvantaDCSPluginFailure(&mSoap).result, E_FAIL);
    EXPECT_EQ(mSoap.fclose(&mSoap), 0);
    EXPECT_THAT(mJournal.calls, ElementsAre("open"));
    // Another success code than S_OK still means the stream is ready; an open one is closed
    // before opening again, and closed once.
    mJournal.openResult = S_FALSE;
    EXPECT_EQ(mSoap.fconnect(&mSoap, "ovdcs://dev", "", 0), 0);
    EXPECT_EQ(OrvantaDCSPluginFailure(&mSoap).summary, "");
    EXPECT_EQ(mSoap.fconnect(&mSoap, "ovdcs://dev", "", 0), 0);
    EXPECT_EQ(mSoap.fclose(&mSoap), 0);
    EXPECT_EQ(mSoap.fclose(&mSoap), 0);
    EXPECT_THAT(mJournal.calls, ElementsAre("open", "open", "close", "open", "close"));
}

TEST_F(DirectConnectPlugin, WritesTheHeaderBlockAndTheBodyInWholePieces) {
    const std::string shortBody = Envelope(300);
    const struct Case {
        const char* name;
        std::string body;
        size_t chunk;
        std::vector<size_t> written;
    } cases[] = {
        {"short body ending in the end tag", shortBody, 50, {0, 300}},
        {"one byte after the end tag", shortBody + "\n", 301, {0, 301}},
        {"a line break after the end tag", shortBody + "\r\n", 302, {0, 302}},
        {"long body in 1024-byte chunks", Envelope(10000), 1024, {0, 4096, 4096, 1808}},
        // Four chunks make exactly the threshold, five would pass 4096.
        {"a piece is written at 4092 bytes", Envelope(5000), 1023, {0, 4092, 908}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        mJournal.writes.clear();
        ASSERT_TRUE(Attach("ovdcs://dev"));
        SendHeader();
        for (size_t at = 0; at < c.body.size(); at += c.chunk)
            ASSERT_EQ(Send(std::string_view(c.body).substr(at, c.chunk)), 0);
        std::vector<size_t> expected = c.written;
        // The header block is what the first write carries.
        expected[0] = std::string_view("POST /ixa HTTP/1.1\r\nHost: dev\r\nSOAPAction: "
                                       "\"GetData\"\r\n\r\n")
                          .size();
        EXPECT_EQ(SizesOf(mJournal.writes), expected);
        // Nothing is left to write when the answer is read.
        Receive();
        EXPECT_EQ(SizesOf(mJournal.writes), expected);
        EXPECT_EQ(mJournal.writes.front().substr(0, 4), "POST");
    }
    EXPECT_THAT(mJournal.ioArguments, Each(0x80000u));
}

TEST_F(DirectConnectPlugin, AFaultyStreamFailsTheSendAndCannotOverrunTheBuffer) {
    ASSERT_TRUE(Attach("ovdcs://dev"));
    SendHeader();
    mJournal.writeResult = E_FAIL;
    EXPECT_EQ(Send(Envelope(100)), -1);
    mJournal.writeResult = S_OK;
    const size_t writes = mJournal.writes.size();
    Receive();
    // Nothing of the failed request is written again before the read.
    EXPECT_EQ(mJournal.writes.size(), writes);
    // A read count above what was asked for stays within the engine's buffer.
    mJournal.overstatedCount = 1000;
    char buffer[64];
    EXPECT_EQ(mSoap.frecv(&mSoap, buffer, sizeof buffer), sizeof buffer);
}

TEST_F(DirectConnectPlugin, ComponentThatCannotBeCreatedFailsTheExchangeAtConnect) {
    KavelinRegisterComponent(kDataStreamProgId, &kavelin_test::kRecordingStreamClassId,
                             CLSCTX_INPROC_SERVER, kavelin_test::RefuseCreation, nullptr);
    const LogCapture log(1);
    ASSERT_TRUE(Attach("ovdcs://dev"));
    EXPECT_EQ(mSoap.fconnect(&mSoap, "ovdcs://dev", "", 0), -1);
    EXPECT_EQ(Send("POST"), -1);
    EXPECT_EQ(Receive(), 0u);
    std::string result;
    EXPECT_NE(GetData("ovdcs://dev", &result), SOAP_OK);
    EXPECT_THAT(log.Text(),
                HasSubstr("OrvantaDCSPlugin::connect - error: invalid url: ovdcs://dev -or- "
                          "data stream is null: 0x0"));
}

TEST_F(DirectConnectPlugin, OpensNothingWhilePlaybackIsOn) {
    const LogCapture log(134);
    ASSERT_TRUE(Attach("ovdcs://dev"));
    EXPECT_EQ(mSoap.fconnect(&mSoap, "ovdcs://dev", "", 0), 0);
    EXPECT_THAT(mJournal.calls, Not(::testing::Contains("open")));
}

TEST_F(DirectConnectPlugin, CarriesAWholeExchangeOfTheBinding) {
    mJournal.answers.push_back(kavelin_test::GetDataAnswer("forty-two"));
    // Registering twice keeps one working transport.
    ASSERT_TRUE(Attach("ovdcs://dev/ixa"));
    ASSERT_TRUE(Attach("ovdcs://dev/ixa"));
    EXPECT_EQ(mJournal.created, 1);
    std::string result;
    ASSERT_EQ(GetData("ovdcs://dev/ixa", &result), SOAP_OK);
    EXPECT_EQ(result, "forty-two");
    // The engine ends the envelope with a line break of its own, after the end tag: the body
    // goes when its end tag arrives, the line break before the answer is read.
    ASSERT_EQ(mJournal.writes.size(), 3u) << ::testing::PrintToString(mJournal.writes);
    const std::string& header = mJournal.writes[0];
    EXPECT_EQ(header.substr(0, 20), "POST /ixa HTTP/1.1\r\n");
    EXPECT_THAT(header, HasSubstr("SOAPAction: \"GetData\"\r\n"));
    EXPECT_EQ(mJournal.writes[1].substr(0, 5), "<?xml");
    EXPECT_TRUE(mJournal.writes[1].ends_with(kEndTag));
    EXPECT_EQ(mJournal.writes[2], "\r\n");
    EXPECT_THAT(header, HasSubstr("Content-Length: " + std::to_string(mJournal.writes[1].size() +
                                                                      mJournal.writes[2].size())));
    EXPECT_EQ(mJournal.openTargets, std::vector<std::u16string>{u"dev/ixa"});
    EXPECT_EQ(mJournal.calls.front(), "open");
    EXPECT_EQ(mJournal.calls.back(), "close");
}

// Two GetData exchanges in a row, with and without the kept-open setting, against a stream
// whose reads follow a script: an empty read is a device that has closed its side.
TEST_F(DirectConnectPlugin, AKeptOpenStreamCarriesExchangesAndSurvivesADeviceThatClosedIt) {
    const std::string one = kavelin_test::GetDataAnswer("one");
    const std::string two = kavelin_test::GetDataAnswer("two");
    const struct Case {
        const char* name;
        bool keepOpen;
        std::vector<std::string> answers;
        std::vector<std::string> results; // "failed" for a failed exchange
        int opens;
        size_t writes;
    } cases[] = {
        {"opened per exchange without the setting", false, {one, two}, {"one", "two"}, 2, 6},
        {"kept open: one open, one write per request", true, {one, two}, {"one", "two"}, 1, 2},
        {"closed idle stream: reopened, resent", true, {one, "", two}, {"one", "two"}, 2, 3},
        {"begun, then closed: not resent", true, {one, "HTTP/1.1 2", ""}, {"one", "failed"}, 1, 2},
        {"read timed out: not resent", true, {one, kReadTimesOut, two}, {"one", "failed"}, 1, 2},
        {"fresh stream that answers nothing: not resent", true, {"", two}, {"failed", "two"}, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const kavelin_test::ScopedRegistry registry(
            c.keepOpen ? "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\r\n"
                         "\"DirectConnectKeepOpen\"=\"1\"\r\n"
                       : "");
        Reset();
        mJournal = StreamJournal{};
        mJournal.answers.assign(c.answers.begin(), c.answers.end());
        ASSERT_TRUE(Attach("ovdcs://dev"));
        std::vector<std::string> results;
        for (int exchange = 0; exchange < 2; ++exchange) {
            std::string result;
            results.push_back(GetData("ovdcs://dev", &result) == SOAP_OK ? result : "failed");
        }
        EXPECT_EQ(results, c.results);
        EXPECT_EQ(std::count(mJournal.calls.begin(), mJournal.calls.end(), "open"), c.opens);
        ASSERT_EQ(mJournal.writes.size(), c.writes);
        if (!c.keepOpen)
            continue;
        for (const std::string& request : mJournal.writes) {
            EXPECT_EQ(request.substr(0, 5), "POST ");
            EXPECT_THAT(request, HasSubstr("Connection: keep-alive\r\n"));
            EXPECT_THAT(request, HasSubstr(std::string(kEndTag)));
        }
        if (c.writes == 3) {
            EXPECT_EQ(mJournal.writes[2], mJournal.writes[1]);
        }
    }
}

TEST_F(DirectConnectPlugin, EndingTheContextReleasesTheStreamAndHandsTheHooksBack) {
    ASSERT_TRUE(Attach("ovdcs://dev"));
    EXPECT_EQ(mSoap.fconnect(&mSoap, "ovdcs://dev", "", 0), 0);
    Done();
    EXPECT_EQ(mJournal.destroyed, 1);
    // A later http URL on this context must reach the engine's own connect again.
    EXPECT_EQ(mSoap.fconnect, nullptr);
    Init();
}

} // namespace
