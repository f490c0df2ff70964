#include "BuiltInDevice.h"

#include <stdexcept>

#include "DeviceServer.h"

namespace kavelin::cli {

namespace {

device::DeviceOptions LoopbackOptions() {
    device::DeviceOptions options;
    options.tcpPort = 0;
    options.lenientPrefixes = false; // as strict as a device
    return options;
}

} // namespace

BuiltInDevice::BuiltInDevice()
    : mServer(std::make_unique<device::DeviceServer>(LoopbackOptions())) {
    if (!mServer->Start())
        throw std::runtime_error("cannot start the built-in simulated device: " +
                                 mServer->LastError());
}

BuiltInDevice::~BuiltInDevice() = default;

std::string BuiltInDevice::ServiceUrl() const {
    return mServer->BaseServiceUrl();
}

} // namespace kavelin::cli
