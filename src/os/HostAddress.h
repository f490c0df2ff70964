#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// This computer's name and its IPv4 address as a peer on the network would reach it.
namespace kavelin::os {

struct Ipv4Interface {
    std::string address; // dotted form
    bool loopback = false;
};

// The address to give out: the first non-loopback interface address, else the first
// loopback one, else none.
std::optional<std::string> ChooseHostAddress(const std::vector<Ipv4Interface>& interfaces);

// The IPv4 addresses of the interfaces that are up, in the system's order.
std::vector<Ipv4Interface> Ipv4Interfaces();

// ChooseHostAddress over Ipv4Interfaces(); empty with os::LastErrorCode() set when the host
// has no IPv4 address.
std::optional<std::string> FirstIPv4Address();

std::optional<std::string> LocalHostName();

// The local address of a connected IPv4 socket (the address its peer already reaches this
// computer at), in dotted form; none for another kind of socket or an unbound one.
std::optional<std::string> SocketLocalIPv4Address(uintptr_t socket);

} // namespace kavelin::os
