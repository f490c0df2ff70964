#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "os/xmldom/XmlDom.h"
#include "proxy/ProxyTestSupport.h"
#include "support/StartLine.h"

using kavelin::device::DeviceOptions;
using namespace kavelin_test;

namespace {

constexpr char kDictionary[] =
    "http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/";

// Separate proxies share only the log, the class table and the XML component: each thread
// gets its own answers and every line of every thread reaches the log whole.
TEST(SeparateProxies, RunOnSeparateThreadsWithoutInterfering) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 25;
    kavelin::os::RegisterXmlDomClass();
    DeviceOptions options;
    options.requireSession = false;
    auto device = StartDevice(options);
    ASSERT_TRUE(device->ApplyDeviceChange(std::string("<dd:Printer xmlns:dd=\"") + kDictionary +
                                          "\"><dd:Identity><dd:Name>Lab</dd:Name></dd:Identity>"
                                          "</dd:Printer>"));
    const LogCapture log = ProcessLog();
    std::atomic<int> right{0};
    kavelin_test::StartLine start(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            RecordingSessionInfo* info = nullptr;
            CPComPtr<ISessionInfo> held = NewSessionInfo(&info);
            info->PresetSessionId(Wide("S-" + std::to_string(t)));
            ProxyHandle proxy = MakeProxy();
            proxy->Initialize(device->XdmServiceUrl(), held);
            // A prefix of each thread's own, so that no proxy could answer from another's map.
            const std::string prefix = "p" + std::to_string(t);
            const std::string map = "<PrefixMap><Prefix>" + prefix + "</Prefix><URL>" +
                                    kDictionary + "</URL></PrefixMap>";
            const std::string xpath = "string(//" + prefix + ":Identity/" + prefix + ":Name)";
            start.ArriveAndWait();
            for (int i = 0; i < kRounds; ++i) {
                try {
                    right += proxy->GetData(xpath, map, 0, 0) == "Lab" ? 1 : 0;
                } catch (const CPException&) {
                }
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(right, kThreads * kRounds);
    EXPECT_EQ(log.Count(5, "IXDMAccessSoap::GetData - Enter"), kThreads * kRounds);
    EXPECT_EQ(log.Count(5, "IXDMAccessSoap::GetData - Exit"), kThreads * kRounds);
}

// While one thread waits for a slow device inside a proxy, every call of a second thread on
// that proxy is refused at once and sends nothing; the first call still gets its answer, and
// the proxy serves the next thread afterwards.
TEST(OneProxy, RefusesASecondThreadWhileACallIsInside) {
    kavelin::os::RegisterXmlDomClass();
    DeviceOptions options;
    options.requireSession = false;
    auto device = StartDevice(options);
    RecordingSessionInfo* info = nullptr;
    CPComPtr<ISessionInfo> held = NewSessionInfo(&info);
    info->PresetSessionId(u"S-first");
    ProxyHandle proxy = MakeProxy();
    proxy->Initialize(device->XdmServiceUrl(), held);
    const std::string map =
        std::string("<PrefixMap><Prefix>p</Prefix><URL>") + kDictionary + "</URL></PrefixMap>";
    const std::string xpath = "string(//p:Identity/p:Model)";
    const std::string model = proxy->GetData(xpath, map, 0, 0);
    ASSERT_FALSE(model.empty());
    // The first call below starts its own session: a nested call that must keep the claim.
    info->PresetSessionId(u"");

    const struct Call {
        const char* operation;
        const char* failure;     // null: the operation throws nothing and returns without effect
        const char* failureLine; // after "<operation> - error: ", before " exception!!!"
        std::function<void(IXDMAccessSoap&)> run;
    } calls[] = {
        {"IXDMAccessSoap::GetData", "Get Data Failed!!!", "get data failed throwing",
         [](IXDMAccessSoap& p) { p.GetData("/", "", 0, 0); }},
        {"IXDMAccessSoap::SetData", "Set Data Failed!!!", "set data failed throwing",
         [](IXDMAccessSoap& p) { p.SetData("<a/>", 0, 0, 0); }},
        {"IXDMAccessSoap::GetSettable", "Get Settable Failed!!!", "get settable failed throwing",
         [](IXDMAccessSoap& p) { p.GetSettable(0); }},
        {"IBaseSoap::StartSession", "StartSession Failed!!!", "start session failed throwing",
         [](IXDMAccessSoap& p) { p.StartSession(); }},
        {"IBaseSoap::Subscribe", "Subscribe Failed!!!", "subscribe failed - throwing",
         [](IXDMAccessSoap& p) {
             p.Subscribe("<S><EventName>e</EventName></S>", "", "http://127.0.0.1:9/cb");
         }},
        {"IBaseSoap::Unsubscribe", "Unsubscribe Failed!!!", "unsubscribe failed - throwing",
         [](IXDMAccessSoap& p) { p.Unsubscribe("sub-1"); }},
        {"IBaseSoap::GetSupportedEvents", "GetSupportedEvents Failed!!!",
         "get supported events failed - throwing",
         [](IXDMAccessSoap& p) { p.GetSupportedEvents(); }},
        {"IBaseSoap::EndSession", nullptr, nullptr, [](IXDMAccessSoap& p) { p.EndSession(); }},
        {"IBaseSoap::SetSessionID", nullptr, nullptr,
         [](IXDMAccessSoap& p) { p.SetSessionID("S-other"); }},
        {"IBaseSoap::Initialize", nullptr, nullptr,
         [](IXDMAccessSoap& p) { p.Initialize("http://127.0.0.1:9/", CPComPtr<ISessionInfo>()); }},
    };

    const LogCapture log = ProcessLog();
    device->ClearRequests();
    device->SetDelay(std::chrono::milliseconds(2000));
    std::atomic<bool> firstDone{false};
    // The answer, or the failure's text.
    const auto read = [&] {
        try {
            return proxy->GetData(xpath, map, 0, 0);
        } catch (const CPException& failure) {
            return std::string(failure.what());
        }
    };
    std::string firstAnswer;
    std::thread first([&] {
        firstAnswer = read();
        firstDone = true;
    });
    ASSERT_TRUE(device->WaitForRequests(2, std::chrono::seconds(10)));
    for (const Call& call : calls) {
        SCOPED_TRACE(call.operation);
        std::string outcome = "returned";
        try {
            call.run(*proxy);
        } catch (const CPException& failure) {
            outcome = failure.what();
            const CPExceptionCause* cause = GetExceptionCause(failure);
            ASSERT_NE(cause, nullptr);
            EXPECT_EQ(cause->summary, "another thread is using this proxy");
        }
        EXPECT_EQ(outcome, call.failure != nullptr ? call.failure : "returned");
        EXPECT_EQ(log.Count(1, std::string(call.operation) +
                                   " - error: another thread is using this proxy, call "
                                   "refused!!!"),
                  1);
        if (call.failureLine != nullptr) {
            EXPECT_EQ(log.Count(1, std::string(call.operation) + " - error: " + call.failureLine +
                                       " exception!!!"),
                      1);
        }
    }
    // The refusals must have met the first call inside; otherwise this proves nothing.
    EXPECT_FALSE(firstDone.load());
    first.join();
    device->SetDelay(std::chrono::milliseconds(0));
    EXPECT_EQ(firstAnswer, model);
    EXPECT_EQ(Operations(*device), (std::vector<std::string>{"StartSession", "GetData"}));
    // Each exchange stamps its own time: the two lie the device's delay apart.
    const auto stamp = [](const std::string& body) {
        const std::string header = HeaderOf(body);
        const size_t at = header.find("TimeStamp>");
        return at == std::string::npos ? "" : header.substr(at, header.find('<', at) - at);
    };
    const auto requests = device->Requests();
    EXPECT_NE(stamp(requests.at(0).body), stamp(requests.at(1).body));
    const std::u16string session = info->SessionId();
    EXPECT_FALSE(session.empty());

    // Handed on in turn, the proxy serves another thread with its URL and session unchanged.
    std::string later;
    std::thread next([&] { later = read(); });
    next.join();
    EXPECT_EQ(later, model);
    EXPECT_EQ(Operations(*device),
              (std::vector<std::string>{"StartSession", "GetData", "GetData"}));
    EXPECT_EQ(info->SessionId(), session);
}

} // namespace
