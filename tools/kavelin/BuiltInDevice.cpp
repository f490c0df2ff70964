#include "BuiltInDevice.h"

#include <stdexcept>

namespace kavelin::cli {

namespace {

device::DeviceOptions LoopbackOptions() {
    device::DeviceOptions options;
    options.tcpPort = 0;
    return options;
}

} // namespace

BuiltInDevice::BuiltInDevice() : mServer(LoopbackOptions()) {
    if (!mServer.Start())
        throw std::runtime_error("cannot start the built-in simulated device: " +
                                 mServer.LastError());
}

} // namespace kavelin::cli
