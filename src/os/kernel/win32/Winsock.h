#pragma once

// Winsock must be started in every process that uses it; the library starts it once, on first
// use, and leaves it running for the process's life (a host's own WSACleanup calls balance its
// own WSAStartup calls).
namespace kavelin::os {

bool EnsureWinsock();

} // namespace kavelin::os
