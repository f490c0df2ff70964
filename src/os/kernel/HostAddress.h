#pragma once

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

// The local address of the route to `peerHost` (a host name or a dotted IPv4 address): the
// address a connection to that peer leaves from, so the one the peer reaches this computer
// at, in dotted form. Found with a connected datagram socket, which sends nothing. None when
// the host has no IPv4 address or no route leads to it.
std::optional<std::string> RouteLocalIPv4Address(const std::string& peerHost);

} // namespace kavelin::os
