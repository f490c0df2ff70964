#pragma once

#include <memory>
#include <string>

namespace kavelin::device {
class DeviceServer;
} // namespace kavelin::device

namespace kavelin::cli {

// The simulated device, run inside this process on 127.0.0.1 with an ephemeral port for the
// length of one command, when the user names no device.
class BuiltInDevice {
public:
    // Throws std::runtime_error when it cannot listen, UsageError where the platform has no
    // simulated device.
    BuiltInDevice();
    ~BuiltInDevice(); // the server stops itself
    BuiltInDevice(const BuiltInDevice&) = delete;
    BuiltInDevice& operator=(const BuiltInDevice&) = delete;

    std::string ServiceUrl() const;

private:
    std::unique_ptr<device::DeviceServer> mServer;
};

} // namespace kavelin::cli
