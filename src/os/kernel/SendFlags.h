#pragma once

#if !defined(_WIN32)
#include <sys/socket.h>
#endif

namespace kavelin::os {

// The flags of every send on a socket: a write to a connection the peer has closed must fail,
// not raise SIGPIPE in the host's process. Windows has no such signal.
#if defined(_WIN32)
inline constexpr int kSendFlags = 0;
#else
inline constexpr int kSendFlags = MSG_NOSIGNAL;
#endif

} // namespace kavelin::os
