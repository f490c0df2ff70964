#include "components/DataStreamSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <unistd.h>

namespace kavelin::components {

namespace {

using Clock = std::chrono::steady_clock;

// Waits for `events` on the descriptor until `deadline`; EINTR only shortens the wait.
SocketStatus WaitFor(int descriptor, short events, Clock::time_point deadline) {
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return SocketStatus::TimedOut;
        pollfd entry{descriptor, events, 0};
        const int ready = poll(&entry, 1, static_cast<int>(left.count()));
        if (ready > 0)
            return SocketStatus::Ok;
        if (ready == 0)
            return SocketStatus::TimedOut;
        if (errno != EINTR)
            return SocketStatus::Failed;
    }
}

// The socket address for `address`; false (with a reason) when it cannot be one.
bool FillSocketAddress(const DeviceAddress& address, sockaddr_storage& storage, socklen_t& length,
                       std::string* error) {
    std::memset(&storage, 0, sizeof(storage));
    if (address.kind == DeviceAddress::Kind::UnixSocket) {
        auto* unixAddress = reinterpret_cast<sockaddr_un*>(&storage);
        if (address.path.empty() || address.path.size() >= sizeof(unixAddress->sun_path)) {
            *error = "socket path is empty or too long";
            return false;
        }
        unixAddress->sun_family = AF_UNIX;
        std::memcpy(unixAddress->sun_path, address.path.c_str(), address.path.size() + 1);
        length = static_cast<socklen_t>(sizeof(sockaddr_un));
        return true;
    }
    auto* ipv4 = reinterpret_cast<sockaddr_in*>(&storage);
    if (inet_pton(AF_INET, address.host.c_str(), &ipv4->sin_addr) == 1) {
        ipv4->sin_family = AF_INET;
        ipv4->sin_port = htons(address.port);
        length = static_cast<socklen_t>(sizeof(sockaddr_in));
        return true;
    }
    auto* ipv6 = reinterpret_cast<sockaddr_in6*>(&storage);
    if (inet_pton(AF_INET6, address.host.c_str(), &ipv6->sin6_addr) == 1) {
        ipv6->sin6_family = AF_INET6;
        ipv6->sin6_port = htons(address.port);
        length = static_cast<socklen_t>(sizeof(sockaddr_in6));
        return true;
    }
    *error = "not a numeric address: " + address.host;
    return false;
}

} // namespace

DataStreamSocket::~DataStreamSocket() {
    Close();
}

void DataStreamSocket::Close() {
    if (mDescriptor >= 0)
        ::close(mDescriptor);
    mDescriptor = -1;
    mReadSinceSent = false;
}

bool DataStreamSocket::HasUnread() const {
    // The socket never blocks, so a peek answers at once; 0 is a closed side, not data.
    char byte = 0;
    return mReadSinceSent && mDescriptor >= 0 && ::recv(mDescriptor, &byte, 1, MSG_PEEK) > 0;
}

SocketStatus DataStreamSocket::Connect(const DeviceAddress& address,
                                       std::chrono::milliseconds timeout, std::string* error) {
    Close();
    sockaddr_storage storage;
    socklen_t length = 0;
    if (!FillSocketAddress(address, storage, length, error))
        return SocketStatus::Failed;
    const int descriptor =
        ::socket(storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (descriptor < 0) {
        *error = std::strerror(errno);
        return SocketStatus::Failed;
    }
    const Clock::time_point deadline = Clock::now() + timeout;
    if (::connect(descriptor, reinterpret_cast<const sockaddr*>(&storage), length) != 0) {
        if (errno != EINPROGRESS && errno != EINTR) {
            *error = std::strerror(errno);
            ::close(descriptor);
            return SocketStatus::Failed;
        }
        const SocketStatus waited = WaitFor(descriptor, POLLOUT, deadline);
        int socketError = 0;
        socklen_t errorLength = sizeof(socketError);
        if (waited == SocketStatus::Ok &&
            ::getsockopt(descriptor, SOL_SOCKET, SO_ERROR, &socketError, &errorLength) == 0 &&
            socketError != 0) {
            *error = std::strerror(socketError);
            ::close(descriptor);
            return SocketStatus::Failed;
        }
        if (waited != SocketStatus::Ok) {
            *error = waited == SocketStatus::TimedOut ? "connect timed out" : "connect failed";
            ::close(descriptor);
            return waited;
        }
    }
    mDescriptor = descriptor;
    return SocketStatus::Ok;
}

SocketStatus DataStreamSocket::Send(SendPiece first, SendPiece second,
                                    std::chrono::milliseconds timeout) {
    if (mDescriptor < 0)
        return SocketStatus::Failed;
    const Clock::time_point deadline = Clock::now() + timeout;
    iovec pieces[2] = {{const_cast<uint8_t*>(first.data), first.count},
                       {const_cast<uint8_t*>(second.data), second.count}};
    iovec* next = pieces;
    size_t left = 2;
    size_t sent = 0;
    while (true) {
        // Past what has gone, including pieces with nothing in them.
        while (left > 0 && sent >= next->iov_len) {
            sent -= next->iov_len;
            ++next;
            --left;
        }
        if (left == 0)
            break;
        next->iov_base = static_cast<uint8_t*>(next->iov_base) + sent;
        next->iov_len -= sent;
        sent = 0;
        msghdr message{};
        message.msg_iov = next;
        message.msg_iovlen = left;
        const ssize_t result = ::sendmsg(mDescriptor, &message, MSG_NOSIGNAL);
        if (result > 0) {
            sent = static_cast<size_t>(result);
            continue;
        }
        if (result < 0 && errno == EINTR)
            continue;
        if (result < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            const SocketStatus waited = WaitFor(mDescriptor, POLLOUT, deadline);
            if (waited != SocketStatus::Ok)
                return waited;
            continue;
        }
        return SocketStatus::Failed;
    }
    mReadSinceSent = false;
    return SocketStatus::Ok;
}

SocketStatus DataStreamSocket::Receive(uint8_t* buffer, size_t maximum, size_t* received,
                                       std::chrono::milliseconds timeout) {
    *received = 0;
    if (mDescriptor < 0)
        return SocketStatus::Failed;
    const Clock::time_point deadline = Clock::now() + timeout;
    mReadSinceSent = true;
    while (true) {
        const ssize_t got = ::recv(mDescriptor, buffer, maximum, 0);
        if (got >= 0) {
            *received = static_cast<size_t>(got);
            return SocketStatus::Ok;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            return SocketStatus::Failed;
        const SocketStatus waited = WaitFor(mDescriptor, POLLIN, deadline);
        if (waited != SocketStatus::Ok)
            return waited;
    }
}

} // namespace kavelin::components
