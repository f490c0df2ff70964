#include "ProxyTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "os/Text.h"
#include "platform/Logging.h"

namespace proxytest {

namespace {
constexpr char kRegistryHeader[] = "Windows Registry Editor Version 5.00\n\n";

std::string BaseRegistryPath() {
    return ScratchDirectory() + "/base.reg";
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The process-wide set-up a host would have done before creating proxies: its own
// session-information class, and the log configured from the registry.
class ProxyTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        WriteFile(BaseRegistryPath(), std::string(kRegistryHeader) +
                                          "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\n"
                                          "\"Logging-Infra\"=\"file," +
                                          LogFilePath() + ",5\"\n");
        setenv("KAVELIN_REGISTRY", BaseRegistryPath().c_str(), 1);
        StartLogging("OVCOM.Kavelin");
        ASSERT_EQ(KavelinRegisterComponent(kSessionInfoProgId, &RecordingSessionInfo::kClassId,
                                           CLSCTX_INPROC_SERVER, &RecordingSessionInfo::Factory,
                                           nullptr),
                  S_OK);
    }
    void TearDown() override {
        KavelinUnregisterComponent(kSessionInfoProgId);
        StopLogging();
        std::filesystem::remove_all(ScratchDirectory());
    }
};

[[maybe_unused]] ::testing::Environment* const gEnvironment =
    ::testing::AddGlobalTestEnvironment(new ProxyTestEnvironment);
} // namespace

const std::string& ScratchDirectory() {
    static const std::string directory = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kavelin-proxy-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        return pattern;
    }();
    return directory;
}

const std::string& LogFilePath() {
    static const std::string path = ScratchDirectory() + "/proxy.log";
    return path;
}

ScopedRegistry::ScopedRegistry(const std::string& sections) {
    const std::string path = ScratchDirectory() + "/test.reg";
    WriteFile(path, kRegistryHeader + sections);
    setenv("KAVELIN_REGISTRY", path.c_str(), 1);
}

ScopedRegistry::~ScopedRegistry() {
    setenv("KAVELIN_REGISTRY", BaseRegistryPath().c_str(), 1);
}

LogCapture::LogCapture() : mStart(ReadFile(LogFilePath()).size()) {}

std::string LogCapture::Text() const {
    return ReadFile(LogFilePath()).substr(mStart);
}

int LogCapture::Count(int level, const std::string& text) const {
    const std::string needle = "/" + std::to_string(level) + "] OVCOM.Kavelin::" + text + "\r\n";
    const std::string log = Text();
    int count = 0;
    for (size_t at = log.find(needle); at != std::string::npos; at = log.find(needle, at + 1))
        ++count;
    return count;
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

std::string Narrow(const std::u16string& text) {
    return os::Utf16ToUtf8(text);
}
std::u16string Wide(const std::string& text) {
    return os::Utf8ToUtf16(text);
}

} // namespace proxytest
