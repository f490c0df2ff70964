// The socket calls of the library pass through here on their way to the C library: the
// program exports these two names (CMakeLists.txt), and a library loaded later binds to a
// program's names before the C library's. Bytes that crossed on behalf of the traced library
// go to the wire trace; everything else passes untouched.
//
// No fortified inline versions of these calls: this file defines them.
#undef _FORTIFY_SOURCE
#include <algorithm>
#include <cerrno>
#include <dlfcn.h>
#include <sys/socket.h>

#include "WireTrace.h"

namespace {

using SendCall = ssize_t (*)(int, const void*, size_t, int);
using SendMessageCall = ssize_t (*)(int, const msghdr*, int);
using ReceiveCall = ssize_t (*)(int, void*, size_t, int);

template <typename Call> Call NextCall(const char* name) {
    return reinterpret_cast<Call>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" [[gnu::visibility("default")]] ssize_t send(int socket, const void* bytes, size_t count,
                                                       int flags) {
    static const SendCall next = NextCall<SendCall>("send");
    if (next == nullptr) {
        errno = ENOSYS;
        return -1;
    }
    const ssize_t sent = next(socket, bytes, count, flags);
    if (sent > 0 && kavelin::cli::wire::Traced(__builtin_return_address(0))) {
        const int saved = errno;
        kavelin::cli::wire::Sent(socket, {static_cast<const char*>(bytes), size_t(sent)});
        errno = saved;
    }
    return sent;
}

// The data stream sends a request's pieces in one call: what went, piece by piece.
extern "C" [[gnu::visibility("default")]] ssize_t sendmsg(int socket, const msghdr* message,
                                                          int flags) {
    static const SendMessageCall next = NextCall<SendMessageCall>("sendmsg");
    if (next == nullptr) {
        errno = ENOSYS;
        return -1;
    }
    const ssize_t sent = next(socket, message, flags);
    if (sent > 0 && kavelin::cli::wire::Traced(__builtin_return_address(0))) {
        const int saved = errno;
        size_t left = static_cast<size_t>(sent);
        for (size_t i = 0; i < message->msg_iovlen && left > 0; ++i) {
            const size_t taken = std::min(left, message->msg_iov[i].iov_len);
            kavelin::cli::wire::Sent(
                socket, {static_cast<const char*>(message->msg_iov[i].iov_base), taken});
            left -= taken;
        }
        errno = saved;
    }
    return sent;
}

// A peek leaves the bytes for the read that follows, which is the one recorded.
extern "C" [[gnu::visibility("default")]] ssize_t recv(int socket, void* buffer, size_t count,
                                                       int flags) {
    static const ReceiveCall next = NextCall<ReceiveCall>("recv");
    if (next == nullptr) {
        errno = ENOSYS;
        return -1;
    }
    const ssize_t got = next(socket, buffer, count, flags);
    if (got > 0 && (flags & MSG_PEEK) == 0 &&
        kavelin::cli::wire::Traced(__builtin_return_address(0))) {
        const int saved = errno;
        kavelin::cli::wire::Received(socket, {static_cast<const char*>(buffer), size_t(got)});
        errno = saved;
    }
    return got;
}
