#include "os/kernel/win32/Winsock.h"

#include <winsock2.h>

namespace kavelin::os {

bool EnsureWinsock() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

} // namespace kavelin::os
