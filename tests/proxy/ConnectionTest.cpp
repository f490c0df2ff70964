#include <gtest/gtest.h>

#include <csignal>
#include <thread>
#include <tuple>

#include "ProxyTestSupport.h"
#include "components/BuiltInComponents.h"

using kavelin::device::DeviceOptions;
using kavelin::device::DeviceServer;
using namespace kavelin_test;

namespace {

// Consecutive exchanges share one kept-alive connection. When the device closes it between two
// exchanges, the next exchange must neither fail nor raise SIGPIPE in the host's process.
TEST(ProxyConnection, KeptAliveConnectionIsSharedOrReplaced) {
    ASSERT_NE(std::signal(SIGPIPE, SIG_DFL), SIG_ERR);
    for (const bool deviceCloses : {false, true}) {
        SCOPED_TRACE(deviceCloses ? "device closes" : "device keeps");
        DeviceOptions options;
        if (deviceCloses)
            options.idleTimeout = std::chrono::milliseconds(50);
        Started s = InitializedProxy(options);
        // Longer than the device's idle limit, so it has closed the connection.
        const auto pause = std::chrono::milliseconds(deviceCloses ? 300 : 0);
        for (int i = 0; i < 3; ++i) {
            s.proxy->StartSession();
            std::this_thread::sleep_for(pause);
            s.proxy->EndSession();
            std::this_thread::sleep_for(pause);
        }
        const auto requests = s.device->Requests();
        ASSERT_EQ(requests.size(), 6u);
        if (deviceCloses)
            EXPECT_NE(requests.front().connection, requests.back().connection);
        else
            for (const auto& request : requests)
                EXPECT_EQ(request.connection, requests[0].connection);
        EXPECT_TRUE(s.info->SessionId().empty());
    }
}

// Bytes left on a kept-alive connection or stream are never read as the next answer: a device
// that answers every request twice still gives each call its own answer, and every request
// reaches it. When the proxy starts its own session, StartSession's late copy arrives while
// GetData waits: it must fail that call, never pass as GetData's (empty) answer.
TEST(ProxyConnection, EveryCallGetsItsOwnAnswerFromADeviceThatAnswersTwice) {
    RegisterBuiltInComponents();
    const ScopedRegistry registry(kConfigurationKey +
                                  "\"IOTimeout\"=\"2\"\n\"DirectConnectKeepOpen\"=\"1\"\n");
    const std::string location = "<dd:Printer xmlns:dd=\"http://schemas.orvanta.example/schemas/"
                                 "imaging/con/dictionaries/1.0/\"><dd:Identity><dd:Location>A"
                                 "</dd:Location></dd:Identity></dd:Printer>";
    using Row = std::tuple<bool, int, bool>; // over the stream, copy after ms, host's session
    for (const auto& [overStream, copyAfter, hostSession] :
         {Row{false, 0, true}, Row{false, 200, true}, Row{true, 0, true}, Row{true, 200, true},
          Row{false, 200, false}, Row{true, 200, false}}) {
        SCOPED_TRACE((overStream ? "data stream, copy after ms: " : "HTTP, copy after ms: ") +
                     std::to_string(copyAfter) + (hostSession ? "" : ", own session"));
        DeviceOptions options;
        options.unixPath = ScratchDirectory() + "/twice.sock";
        options.requireSession = false;
        auto device = StartDevice(options);
        device->AnswerTwiceNext("", DeviceServer::kAlways, std::chrono::milliseconds(copyAfter));
        RecordingSessionInfo* info = nullptr;
        CPComPtr<ISessionInfo> held = NewSessionInfo(&info);
        if (hostSession)
            info->PresetSessionId(u"S-host");
        ProxyHandle proxy = MakeProxy();
        proxy->Initialize(overStream ? "ovdcs://unix" + options.unixPath : device->BaseServiceUrl(),
                          held);
        if (!hostSession) {
            EXPECT_THROW(proxy->GetData("string(//dd:Model)", "", 0, 0), CPException);
            continue;
        }
        // A late copy lands between calls: one still on its way when the next request goes out
        // could not be told from that request's answer by any client.
        const auto pause = std::chrono::milliseconds(2 * copyAfter);
        for (const auto& [path, answer] : {std::pair{"string(//dd:Model)", "Plotara C4250dn"},
                                           {"count(//dd:Tray)", "3"},
                                           {"string(//dd:Status/dd:State)", "Idle"}}) {
            EXPECT_EQ(proxy->GetData(path, "", 0, 0), answer);
            std::this_thread::sleep_for(pause);
        }
        for (int i = 0; i < 2; ++i) {
            EXPECT_TRUE(proxy->SetData(location, 0, 0, 0));
            std::this_thread::sleep_for(pause);
        }
        EXPECT_EQ(Operations(*device), (std::vector<std::string>{"GetData", "GetData", "GetData",
                                                                 "SetData", "SetData"}));
    }
}

} // namespace
