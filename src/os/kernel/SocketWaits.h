#pragma once

#if defined(_WIN32)
#include <winsock2.h>
#else
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <cerrno>
#endif

namespace kavelin::os {

// A connected socket whose sends and receives the system itself bounds, so that no readiness
// check has to go before each of them. Waits are in the engine's units: seconds when positive,
// microseconds when negative, none when 0.
#if defined(_WIN32)
using SocketHandle = SOCKET;

inline bool MakeBlocking(SocketHandle socket) {
    u_long nonBlocking = 0;
    return ioctlsocket(socket, FIONBIO, &nonBlocking) == 0;
}

inline bool SetWait(SocketHandle socket, int option, int wait) {
    const DWORD milliseconds =
        wait > 0 ? static_cast<DWORD>(wait) * 1000 : static_cast<DWORD>(-(wait / 1000));
    // 0 is no bound to Windows: a wait below a millisecond becomes one.
    const DWORD value = wait != 0 && milliseconds == 0 ? 1 : milliseconds;
    return setsockopt(socket, SOL_SOCKET, option, reinterpret_cast<const char*>(&value),
                      sizeof value) == 0;
}

// True when the socket holds nothing to read: no bytes, no end of the connection, no error.
inline bool ConnectionQuiet(SocketHandle socket) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socket, &readable);
    timeval none{0, 0};
    return select(0, &readable, nullptr, nullptr, &none) == 0;
}

// The error of a send or receive whose bound ran out.
inline bool WaitExpired(int error) {
    return error == WSAETIMEDOUT;
}
#else
using SocketHandle = int;

inline bool MakeBlocking(SocketHandle socket) {
    const int flags = fcntl(socket, F_GETFL);
    return flags != -1 &&
           ((flags & O_NONBLOCK) == 0 || fcntl(socket, F_SETFL, flags & ~O_NONBLOCK) != -1);
}

inline bool SetWait(SocketHandle socket, int option, int wait) {
    timeval value{};
    if (wait > 0)
        value.tv_sec = wait;
    else if (wait < 0)
        value = {-wait / 1000000, -wait % 1000000};
    return setsockopt(socket, SOL_SOCKET, option, &value, sizeof value) == 0;
}

// True when the socket holds nothing to read: no bytes, no end of the connection, no error.
inline bool ConnectionQuiet(SocketHandle socket) {
    char byte;
    return recv(socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT) < 0 &&
           (errno == EAGAIN || errno == EWOULDBLOCK);
}

// The error of a send or receive whose bound ran out.
inline bool WaitExpired(int error) {
    return error == EAGAIN || error == EWOULDBLOCK;
}
#endif

inline bool SetReceiveWait(SocketHandle socket, int wait) {
    return SetWait(socket, SO_RCVTIMEO, wait);
}

inline bool SetSendWait(SocketHandle socket, int wait) {
    return SetWait(socket, SO_SNDTIMEO, wait);
}

} // namespace kavelin::os
