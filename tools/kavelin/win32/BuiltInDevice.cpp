#include "BuiltInDevice.h"

#include <stdexcept>

namespace kavelin::device {
// The simulated device is a Linux program; a Windows host talks to one over the network.
class DeviceServer {};
} // namespace kavelin::device

namespace kavelin::cli {

BuiltInDevice::BuiltInDevice() {
    throw std::runtime_error("--simulate: there is no built-in simulated device on Windows: "
                             "give --url http://host[:port]/path (kavelin-device runs on Linux) "
                             "or set KAVELIN_URL");
}

BuiltInDevice::~BuiltInDevice() = default;

std::string BuiltInDevice::ServiceUrl() const {
    return {};
}

} // namespace kavelin::cli
