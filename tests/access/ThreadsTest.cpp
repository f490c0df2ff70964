#include <gtest/gtest.h>

#include <atomic>
#include <barrier>
#include <string>
#include <thread>
#include <vector>

#include "os/XmlDom.h"
#include "proxy/ProxyTestSupport.h"

using kavelin::device::DeviceOptions;
using namespace proxytest;

namespace {

constexpr char kDictionary[] =
    "http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/";

// Separate proxies share only the log, the class table and the XML component: each thread
// gets its own answers and every line of every thread reaches the log whole.
TEST(SeparateProxies, RunOnSeparateThreadsWithoutInterfering) {
    constexpr int kThreads = 4;
    constexpr int kRounds = 25;
    os::RegisterXmlDomClass();
    DeviceOptions options;
    options.requireSession = false;
    auto device = StartDevice(options);
    {
        RecordingSessionInfo* info = nullptr;
        CPComPtr<ISessionInfo> held = NewSessionInfo(&info);
        info->PresetSessionId(u"S-setup");
        ProxyHandle proxy = MakeProxy();
        proxy->Initialize(device->XdmServiceUrl(), held);
        ASSERT_TRUE(proxy->SetData(std::string("<dd:Printer xmlns:dd=\"") + kDictionary +
                                       "\"><dd:Identity><dd:Name>Lab</dd:Name></dd:Identity>"
                                       "</dd:Printer>",
                                   1, 0, 0));
    }
    LogCapture log;
    std::atomic<int> right{0};
    std::barrier start(kThreads);
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
            start.arrive_and_wait();
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

} // namespace
