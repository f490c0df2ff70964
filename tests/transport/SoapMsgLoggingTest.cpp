#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "GetDataExchange.h"
#include "os/kernel/ModulePath.h"
#include "support/LogCapture.h"
#include "transport/OrvantaDCSPlugin.h"
#include "transport/SoapMsgLogging.h"
#include "transport/TransportPlugins.h"

namespace {

namespace fs = std::filesystem;
using namespace kavelin::transport;
using kavelin_test::LogCapture;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr uint8_t kPlaybackLevel = 134;

// Statically linked, the library's own file is this test program: its answers live beside it.
fs::path ProgramFolder() {
    return fs::path(kavelin::os::LibraryPath()).parent_path();
}
fs::path AnswerFolder() {
    return ProgramFolder() / "SoapMsgs";
}

void WriteFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Distinct bytes at every offset, so that a read from the wrong place shows.
std::string Pattern(size_t size) {
    std::string text;
    for (size_t i = 0; i < size; ++i)
        text.push_back(static_cast<char>('a' + (i * 7 + i / 26) % 26));
    return text;
}

// The size of every "SoapOut >>" entry of the log, in order.
std::vector<size_t> LoggedSizes(const std::string& log) {
    constexpr std::string_view kMarker = "SoapOut >>\n";
    std::vector<size_t> sizes;
    for (size_t at = log.find(kMarker); at != std::string::npos; at = log.find(kMarker, at)) {
        at += kMarker.size();
        sizes.push_back(std::min(log.find("\r\n", at), log.size()) - at);
    }
    return sizes;
}

class PlaybackPlugin : public kavelin_test::RecordingStreamEngine {
protected:
    PlaybackPlugin() { RegisterTransportPlugins(&mSoap, "ovdcs://dev"); }

    void Send(std::string_view bytes) {
        ASSERT_EQ(mSoap.fsend(&mSoap, bytes.data(), bytes.size()), SOAP_OK);
    }
    void SendRequest(std::string_view action) {
        Send("POST /ixa HTTP/1.1\r\nHost: dev\r\nSOAPAction: \"" + std::string(action) +
             "\"\r\n\r\n");
        Send("<?xml version=\"1.0\"?><SOAP-ENV:Envelope/></SOAP-ENV:Envelope>\r\n");
    }
    std::string Receive(size_t size) {
        std::string buffer(size, '\0');
        buffer.resize(mSoap.frecv(&mSoap, buffer.data(), buffer.size()));
        return buffer;
    }
    // Reads until the answer ends; the size of every read.
    std::vector<size_t> ReceiveAll(std::string* answer) {
        std::vector<size_t> sizes;
        std::string piece;
        do {
            piece = Receive(65536);
            sizes.push_back(piece.size());
            answer->append(piece);
        } while (!piece.empty() && sizes.size() < 100);
        return sizes;
    }

    LogCapture mLog{kPlaybackLevel};
};

TEST_F(PlaybackPlugin, LogsTheHeaderAsOneEntryAndTheMessageInPiecesOf480Bytes) {
    const std::string header(200, 'h');
    const std::string envelope = "<?xml" + std::string(1175, 'e') + "</SOAP-ENV:Envelope>";
    const std::string openEnded = "<?xml" + std::string(275, 'e') + "</SOAP-ENV:Envelope>123456";
    const struct Case {
        const char* name;
        std::vector<std::string> sends;
        std::vector<size_t> entries;
    } cases[] = {
        {"header, then the envelope in one chunk", {header, envelope}, {200, 480, 480, 240}},
        {"end tag followed by six bytes is not the end", {openEnded}, {}},
        {"until the buffer passes 480 bytes", {openEnded, std::string(200, 'f')}, {480, 26}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const size_t before = LoggedSizes(mLog.Text()).size();
        for (const std::string& send : c.sends)
            Send(send);
        const std::vector<size_t> sizes = LoggedSizes(mLog.Text());
        EXPECT_EQ(std::vector<size_t>(sizes.begin() + static_cast<long>(before), sizes.end()),
                  c.entries);
        // Start the next case with an empty buffer.
        Send(envelope);
    }
    EXPECT_THAT(mJournal.calls, IsEmpty());
}

TEST_F(PlaybackPlugin, EveryRequestReadsItsAnswerFromTheStartInReadsOfAtMost4096Bytes) {
    const std::string first = Pattern(10000);
    const std::string second = "second answer";
    WriteFile(AnswerFolder() / "TransportFirstRes.txt", first);
    WriteFile(AnswerFolder() / "TransportSecondRes.txt", second);
    SendRequest("TransportFirst");
    std::string received;
    EXPECT_THAT(ReceiveAll(&received), ElementsAre(4096, 4096, 1808, 0));
    EXPECT_EQ(received, first);
    // A smaller buffer gets no more than it holds; the next request starts over.
    SendRequest("TransportFirst");
    EXPECT_EQ(Receive(100), first.substr(0, 100));
    SendRequest("TransportFirst");
    EXPECT_EQ(Receive(65536), first.substr(0, 4096));
    SendRequest("TransportSecond");
    EXPECT_EQ(Receive(65536), second);
    // A request without an action keeps the previous request's answer, even where text in the
    // envelope reads like the header: that is the document's, not the action.
    for (const char* body :
         {"<SOAP-ENV:Envelope/>", "<SOAP-ENV:Envelope><x>\r\nSOAPAction: "
                                  "TransportFirst\r\n</x></SOAP-ENV:Envelope>"}) {
        Send("POST /ixa HTTP/1.1\r\nHost: dev\r\n\r\n");
        Send(std::string("<?xml version=\"1.0\"?>") + body);
        EXPECT_EQ(Receive(65536), second);
    }
}

// Such an answer is missing, as the plug-in says without a log line of its own; a FIFO or a
// device would hold the host for ever.
TEST_F(PlaybackPlugin, ActionsWithoutARegularFileInTheFolderGetNoAnswer) {
    WriteFile(ProgramFolder() / "TransportEscapeRes.txt", "outside");
    WriteFile(AnswerFolder() / "sub" / "TransportEscapeRes.txt", "below");
    WriteFile(AnswerFolder() / "TransportInsideRes.txt", "inside");
    for (const char* name : {"TransportFifoRes.txt", "TransportDeviceRes.txt"})
        fs::remove(AnswerFolder() / name);
    ASSERT_EQ(mkfifo((AnswerFolder() / "TransportFifoRes.txt").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", AnswerFolder() / "TransportDeviceRes.txt");
    for (const char* action : {"../TransportEscape", "sub/TransportEscape", "sub\\TransportEscape",
                               "..", "TransportMissing", "", "TransportFifo", "TransportDevice"}) {
        SCOPED_TRACE(action);
        SendRequest("TransportInside");
        SendRequest(action);
        EXPECT_EQ(Receive(65536), "");
        EXPECT_TRUE(SoapMsgLoggingAnswerMissing(&mSoap))
            << "a missing answer reads apart from a cut one";
    }
    for (const auto& [level, text] : mLog.Lines())
        EXPECT_NE(level, 1) << text;
    SendRequest("TransportInside");
    EXPECT_EQ(Receive(65536), "inside");
}

TEST_F(PlaybackPlugin, AnswersAWholeExchangeOfTheBindingWithoutTouchingTheStream) {
    WriteFile(AnswerFolder() / "TransportPlaybackRes.txt",
              kavelin_test::GetDataAnswer("from the file"));
    ASSERT_NE(soap_lookup_plugin(&mSoap, kSoapMsgLoggingId), nullptr);
    std::string result;
    ASSERT_EQ(kavelin_test::GetData(&mSoap, "ovdcs://dev", "TransportPlayback", &result), SOAP_OK);
    EXPECT_EQ(result, "from the file");
    EXPECT_THAT(mJournal.calls, IsEmpty());
}

TEST(TransportRegistration, PlaybackPluginOnlyWhileThePlaybackBitIsSet) {
    for (const uint8_t level : {uint8_t{6}, kPlaybackLevel}) {
        SCOPED_TRACE(static_cast<int>(level));
        const LogCapture log(level);
        struct soap soap;
        soap_init(&soap);
        RegisterTransportPlugins(&soap, "http://127.0.0.1:1/x");
        EXPECT_EQ(soap_lookup_plugin(&soap, kOrvantaDCSPluginId), nullptr);
        EXPECT_EQ(soap_lookup_plugin(&soap, kSoapMsgLoggingId) != nullptr, level == kPlaybackLevel);
        soap_done(&soap);
    }
}

} // namespace
