#pragma once

#include <string>

namespace kavelin::cli {

// The IPv4 address through which this computer reaches the device at `serviceUrl`, in dotted
// form: where the device's deliveries come in, and the address the library gives the device
// when its connection to the device is open. For a device on 127.0.0.1 that is loopback; for
// a direct-connect URL that names no IPv4 address (a Unix socket, a name), and when no route
// is found, it is loopback too, never every address.
std::string ListenAddressToward(const std::string& serviceUrl);

} // namespace kavelin::cli
