#include "ProxyTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "os/text/Text.h"
#include "platform/Logging.h"
#include "support/ScratchPath.h"

namespace kavelin_test {

namespace {
// The process-wide set-up a host would have done before creating proxies: its own
// session-information class, and the log configured from the registry.
class ProxyTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        const std::string registry = ScratchDirectory() + "/base.reg";
        WriteRegistryFile(registry, kConfigurationKey + "\"Logging-Infra\"=\"file," +
                                        LogFilePath() + ",5\"\n");
        setenv("KAVELIN_REGISTRY", registry.c_str(), 1);
        StartLogging("OVCOM.Kavelin");
        ASSERT_EQ(KavelinRegisterComponent(kSessionInfoProgId, &RecordingSessionInfo::kClassId,
                                           CLSCTX_INPROC_SERVER, &RecordingSessionInfo::Factory,
                                           nullptr),
                  S_OK);
    }
    void TearDown() override {
        KavelinUnregisterComponent(kSessionInfoProgId);
        StopLogging();
    }
};

[[maybe_unused]] ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new ProxyTestEnvironment);
} // namespace

const std::string& ScratchDirectory() {
    static const ScratchFolder folder("kavelin-proxy");
    return folder.Path();
}

const std::string& LogFilePath() {
    static const std::string path = ScratchDirectory() + "/proxy.log";
    return path;
}

std::unique_ptr<kavelin::device::DeviceServer> StartDevice(kavelin::device::DeviceOptions options) {
    auto device = std::make_unique<kavelin::device::DeviceServer>(std::move(options));
    if (!device->Start())
        ADD_FAILURE() << "device did not start: " << device->LastError();
    return device;
}

std::vector<std::string> Operations(const kavelin::device::DeviceServer& device) {
    std::vector<std::string> operations;
    for (const kavelin::device::RecordedRequest& request : device.Requests())
        operations.push_back(request.operation);
    return operations;
}

std::string HeaderOf(const std::string& body) {
    const std::string open = "<SOAP-ENV:Header>";
    const size_t start = body.find(open);
    const size_t end = body.find("</SOAP-ENV:Header>");
    if (start == std::string::npos || end == std::string::npos)
        return {};
    return body.substr(start + open.size(), end - start - open.size());
}

ProxyHandle MakeProxy() {
    return ProxyHandle(maker());
}

CPComPtr<ISessionInfo> NewSessionInfo(RecordingSessionInfo** object) {
    RecordingSessionInfo* created = RecordingSessionInfo::Make();
    if (object != nullptr)
        *object = created;
    CPComPtr<ISessionInfo> held;
    held.Attach(created);
    return held;
}

Started InitializedProxy(kavelin::device::DeviceOptions options) {
    Started started;
    started.device = StartDevice(std::move(options));
    started.held = NewSessionInfo(&started.info);
    started.proxy = MakeProxy();
    started.proxy->Initialize(started.device->BaseServiceUrl(), started.held);
    return started;
}

std::string Narrow(const std::u16string& text) {
    return kavelin::os::Utf16ToUtf8(text);
}
std::u16string Wide(const std::string& text) {
    return kavelin::os::Utf8ToUtf16(text);
}

} // namespace kavelin_test
