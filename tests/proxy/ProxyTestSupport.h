#pragma once

#include <memory>
#include <string>
#include <vector>

#include "DeviceServer.h"
#include "RecordingSessionInfo.h"
#include "kavelin/Kavelin.h"

// What the proxy tests share: a host's view of the proxy, a scripted device on 127.0.0.1, a
// registry file per test, and the log file that the test process writes.
namespace proxytest {

// A folder of this test process, removed at exit.
const std::string& ScratchDirectory();

// Points the registry at a file holding `sections` (".reg" sections and values after the
// header line) for the object's life; the base registry applies again afterwards.
class ScopedRegistry {
public:
    explicit ScopedRegistry(const std::string& sections);
    ~ScopedRegistry();
    ScopedRegistry(const ScopedRegistry&) = delete;
    ScopedRegistry& operator=(const ScopedRegistry&) = delete;
};

// The log lines written since the capture began.
class LogCapture {
public:
    LogCapture();
    std::string Text() const;
    // How many lines carry `text` at `level` (the text after the component name).
    int Count(int level, const std::string& text) const;

private:
    std::size_t mStart;
};

// The log file of this process, configured through "Logging-Infra" at start.
const std::string& LogFilePath();

std::unique_ptr<kavelin::device::DeviceServer>
StartDevice(kavelin::device::DeviceOptions options = {});
// The operation names the device received, in order.
std::vector<std::string> Operations(const kavelin::device::DeviceServer& device);
// The SOAP header of a request body; empty when it has none.
std::string HeaderOf(const std::string& body);

struct ProxyDeleter {
    void operator()(IBaseSoap* proxy) const { demaker(proxy); }
};
using ProxyHandle = std::unique_ptr<IXDMAccessSoap, ProxyDeleter>;
ProxyHandle MakeProxy();

// A host-held reference to a new recording object; `object` receives its address.
CPComPtr<ISessionInfo> NewSessionInfo(RecordingSessionInfo** object);

std::string Narrow(const std::u16string& text);
std::u16string Wide(const std::string& text);

} // namespace proxytest
