#pragma once

#include <memory>
#include <string>
#include <vector>

#include "DeviceServer.h"
#include "RecordingSessionInfo.h"
#include "kavelin/Kavelin.h"
#include "support/LogCapture.h"
#include "support/RegistryFile.h"

// What the proxy tests share: a host's view of the proxy, a scripted device on 127.0.0.1 and
// the log file that the test process writes.
namespace kavelin_test {

// The registry section of the library's settings.
inline const std::string kConfigurationKey = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara]\n";

// A folder of this test process, removed at exit.
const std::string& ScratchDirectory();

// The log file of this process, configured through "Logging-Infra" at start.
const std::string& LogFilePath();
// What the proxies log from now on.
inline LogCapture ProcessLog() {
    return LogCapture::Following(LogFilePath());
}

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

// A device, a host-held recording object and a proxy initialized with both.
struct Started {
    std::unique_ptr<kavelin::device::DeviceServer> device;
    RecordingSessionInfo* info = nullptr;
    CPComPtr<ISessionInfo> held;
    ProxyHandle proxy;
};
Started InitializedProxy(kavelin::device::DeviceOptions options = {});

std::string Narrow(const std::u16string& text);
std::u16string Wide(const std::string& text);

} // namespace kavelin_test
