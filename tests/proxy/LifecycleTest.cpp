#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ProxyTestSupport.h"
#include "proxy/BaseSoapProxy.h"

using namespace kavelin_test;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// The object from maker never gives these answers, but hosts that use the base proxy compare
// them, the misspelling included.
TEST(ProxyDefaultAnswers, BaseDataAccessSlotsAnswerWithoutExchange) {
    kavelin::proxy::BaseSoapProxy base;
    EXPECT_EQ(base.GetData("/", "", 0, 0), "not implemeneted");
    EXPECT_FALSE(base.SetData("<x/>", 1, 0, 0));
    EXPECT_EQ(base.GetSettable(0), "not implemented");
}

TEST(ProxyInitialize, SameUrlTwiceOnlyReplacesTheSessionInfo) {
    auto device = StartDevice();
    RecordingSessionInfo* first = nullptr;
    RecordingSessionInfo* second = nullptr;
    CPComPtr<ISessionInfo> firstHeld = NewSessionInfo(&first);
    CPComPtr<ISessionInfo> secondHeld = NewSessionInfo(&second);
    const LogCapture log = ProcessLog();
    ProxyHandle proxy = MakeProxy();
    proxy->Initialize(device->BaseServiceUrl(), firstHeld);
    const std::string sessionId = proxy->StartSession();
    proxy->Initialize(device->BaseServiceUrl(), secondHeld);

    EXPECT_EQ(
        log.Count(3, "IBaseSoap::SetServiceUrl - current:  | new: " + device->BaseServiceUrl()), 1);
    EXPECT_EQ(log.Text().find("SetServiceUrl - current: " + device->BaseServiceUrl()),
              std::string::npos);
    // The first object is released: only the test's own reference is left.
    EXPECT_EQ(first->AddRef(), 2u);
    first->Release();
    // The session stays open and the second object is the one the proxy now reads.
    EXPECT_THAT(Operations(*device), ElementsAre("StartSession"));
    second->PresetSessionId(Wide(sessionId));
    proxy->EndSession();
    EXPECT_THAT(Operations(*device), ElementsAre("StartSession", "EndSession"));
    EXPECT_EQ(Narrow(first->SessionId()), sessionId);
    EXPECT_THAT(second->SessionId(), IsEmpty());
}

TEST(ProxyInitialize, UrlChangeEndsASessionTheProxyHeld) {
    auto first = StartDevice();
    auto second = StartDevice();
    auto third = StartDevice();
    RecordingSessionInfo* info = nullptr;
    CPComPtr<ISessionInfo> held = NewSessionInfo(&info);
    ProxyHandle proxy = MakeProxy();
    proxy->Initialize(first->BaseServiceUrl(), held);
    proxy->StartSession();

    proxy->Initialize(second->BaseServiceUrl(), held);
    EXPECT_THAT(Operations(*first), ElementsAre("StartSession", "EndSession"));
    EXPECT_THAT(Operations(*second), IsEmpty());
    EXPECT_THAT(info->SessionId(), IsEmpty());

    // The ended session's ID is still the proxy's own copy, so the next change tries again,
    // but the object holds no session and nothing is sent.
    const LogCapture log = ProcessLog();
    proxy->Initialize(third->BaseServiceUrl(), held);
    EXPECT_EQ(log.Count(2, "IBaseSoap::EndSession - warning: no session has exist to end!"), 1);
    EXPECT_THAT(Operations(*first), ElementsAre("StartSession", "EndSession"));
    EXPECT_THAT(Operations(*second), IsEmpty());
    EXPECT_THAT(Operations(*third), IsEmpty());
}

TEST(ProxyInitialize, NullObjectAfterHostObjectReleasesIt) {
    RecordingSessionInfo::Created() = 0;
    Started s = InitializedProxy();
    s.proxy->Initialize(s.device->BaseServiceUrl(), CPComPtr<ISessionInfo>());
    EXPECT_EQ(s.info->AddRef(), 2u);
    s.info->Release();

    EXPECT_FALSE(s.proxy->StartSession().empty());
    EXPECT_EQ(RecordingSessionInfo::Created(), 1);
    EXPECT_THAT(s.info->Writes(), IsEmpty());
    // The proxy still counts as given its object by the host: its own session stays open.
    s.proxy.reset();
    EXPECT_THAT(Operations(*s.device), ElementsAre("StartSession"));
}

// An empty URL changes nothing; a proxy that made its own object looks for a session on the
// way out and finds none.
TEST(ProxyDestruction, FreshProxyLooksForASessionAndSendsNothing) {
    RecordingSessionInfo::Created() = 0;
    const LogCapture log = ProcessLog();
    MakeProxy()->Initialize("", CPComPtr<ISessionInfo>());
    EXPECT_EQ(RecordingSessionInfo::Created(), 1);
    EXPECT_EQ(log.Text().find("SetServiceUrl"), std::string::npos);
    for (const char* line : {"IBaseSoap::Initialize - Enter", "IBaseSoap::Initialize - Exit"})
        EXPECT_EQ(log.Count(5, line), 1) << line;
    EXPECT_EQ(log.Count(3, "IBaseSoap - Constructor"), 1);
    EXPECT_EQ(log.Count(3, "IBaseSoap - Destructor"), 1);
    EXPECT_EQ(log.Count(2, "IBaseSoap::EndSession - warning: no session has exist to end!"), 1);
}

TEST(ProxySetSessionId, StoresTheIdAndSendsItInTheHeader) {
    kavelin::device::DeviceOptions options;
    options.requireSession = false; // the device never granted this ID
    Started s = InitializedProxy(options);
    s.proxy->SetSessionID("host-session");
    EXPECT_EQ(Narrow(s.info->SessionId()), "host-session");

    // An operation that leaves the time stamp sends the ID alone; EndSession stamps its time.
    RemoteArray* events = s.proxy->GetSupportedEvents();
    ASSERT_NE(events, nullptr);
    delete[] events->mElements;
    delete events;
    s.proxy->EndSession();
    const auto requests = s.device->Requests();
    ASSERT_EQ(requests.size(), 2u);
    for (const auto& request : requests)
        EXPECT_NE(HeaderOf(request.body).find("SessionID>host-session</"), std::string::npos)
            << request.body;
    EXPECT_EQ(HeaderOf(requests[0].body).find("TimeStamp"), std::string::npos);
    EXPECT_NE(HeaderOf(requests[1].body).find("TimeStamp"), std::string::npos);
}

} // namespace
