#pragma once

#include <string>

#include "DeviceServer.h"

namespace kavelin::cli {

// The simulated device, run inside this process on 127.0.0.1 with an ephemeral port for the
// length of one command, when the user names no device.
class BuiltInDevice {
public:
    // Throws std::runtime_error when it cannot listen.
    BuiltInDevice();
    ~BuiltInDevice() = default; // the server stops itself

    std::string ServiceUrl() const { return mServer.BaseServiceUrl(); }

private:
    device::DeviceServer mServer;
};

} // namespace kavelin::cli
