#include "components/DataStreamSocket.h"

#include "os/kernel/win32/Winsock.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace kavelin::components {

namespace {

using Clock = std::chrono::steady_clock;

SOCKET SocketOf(std::intptr_t descriptor) {
    return static_cast<SOCKET>(descriptor);
}

// Waits until the socket can be written (`forWriting`) or read, or until `deadline`.
SocketStatus WaitFor(SOCKET socket, bool forWriting, Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0)
        return SocketStatus::TimedOut;
    WSAPOLLFD entry = {};
    entry.fd = socket;
    entry.events = forWriting ? POLLWRNORM : POLLRDNORM;
    const int ready = WSAPoll(&entry, 1, static_cast<INT>(left.count()));
    if (ready > 0)
        return SocketStatus::Ok;
    return ready == 0 ? SocketStatus::TimedOut : SocketStatus::Failed;
}

std::string ErrorText(int code) {
    return "socket error " + std::to_string(code);
}

} // namespace

DataStreamSocket::~DataStreamSocket() {
    Close();
}

void DataStreamSocket::Close() {
    if (mDescriptor >= 0)
        closesocket(SocketOf(mDescriptor));
    mDescriptor = -1;
    mReadSinceSent = false;
}

bool DataStreamSocket::HasUnread() const {
    // The socket never blocks, so a peek answers at once; 0 is a closed side, not data.
    char byte = 0;
    return mReadSinceSent && mDescriptor >= 0 &&
           ::recv(SocketOf(mDescriptor), &byte, 1, MSG_PEEK) > 0;
}

SocketStatus DataStreamSocket::Connect(const DeviceAddress& address,
                                       std::chrono::milliseconds timeout, std::string* error) {
    Close();
    if (address.kind == DeviceAddress::Kind::UnixSocket) {
        *error = "local sockets are not available on this platform";
        return SocketStatus::Failed;
    }
    if (!os::EnsureWinsock()) {
        *error = "Winsock could not be started";
        return SocketStatus::Failed;
    }
    sockaddr_storage storage = {};
    int length = 0;
    auto* ipv4 = reinterpret_cast<sockaddr_in*>(&storage);
    auto* ipv6 = reinterpret_cast<sockaddr_in6*>(&storage);
    if (inet_pton(AF_INET, address.host.c_str(), &ipv4->sin_addr) == 1) {
        ipv4->sin_family = AF_INET;
        ipv4->sin_port = htons(address.port);
        length = sizeof(sockaddr_in);
    } else if (inet_pton(AF_INET6, address.host.c_str(), &ipv6->sin6_addr) == 1) {
        ipv6->sin6_family = AF_INET6;
        ipv6->sin6_port = htons(address.port);
        length = sizeof(sockaddr_in6);
    } else {
        *error = "not a numeric address: " + address.host;
        return SocketStatus::Failed;
    }
    const SOCKET socket = ::socket(storage.ss_family, SOCK_STREAM, IPPROTO_TCP);
    if (socket == INVALID_SOCKET) {
        *error = ErrorText(WSAGetLastError());
        return SocketStatus::Failed;
    }
    u_long nonBlocking = 1;
    ioctlsocket(socket, FIONBIO, &nonBlocking);
    const Clock::time_point deadline = Clock::now() + timeout;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&storage), length) != 0) {
        if (WSAGetLastError() != WSAEWOULDBLOCK) {
            *error = ErrorText(WSAGetLastError());
            closesocket(socket);
            return SocketStatus::Failed;
        }
        const SocketStatus waited = WaitFor(socket, true, deadline);
        int socketError = 0;
        int errorLength = sizeof(socketError);
        if (waited == SocketStatus::Ok &&
            getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&socketError),
                       &errorLength) == 0 &&
            socketError != 0) {
            *error = ErrorText(socketError);
            closesocket(socket);
            return SocketStatus::Failed;
        }
        if (waited != SocketStatus::Ok) {
            *error = waited == SocketStatus::TimedOut ? "connect timed out" : "connect failed";
            closesocket(socket);
            return waited;
        }
    }
    mDescriptor = static_cast<std::intptr_t>(socket);
    return SocketStatus::Ok;
}

SocketStatus DataStreamSocket::Send(SendPiece first, SendPiece second,
                                    std::chrono::milliseconds timeout) {
    if (mDescriptor < 0)
        return SocketStatus::Failed;
    const Clock::time_point deadline = Clock::now() + timeout;
    // A request's pieces are far below the 4 GiB that one buffer may hold here.
    WSABUF pieces[2] = {{static_cast<ULONG>(first.count),
                         reinterpret_cast<CHAR*>(const_cast<uint8_t*>(first.data))},
                        {static_cast<ULONG>(second.count),
                         reinterpret_cast<CHAR*>(const_cast<uint8_t*>(second.data))}};
    WSABUF* next = pieces;
    DWORD left = 2;
    size_t sent = 0;
    while (true) {
        // Past what has gone, including pieces with nothing in them.
        while (left > 0 && sent >= next->len) {
            sent -= next->len;
            ++next;
            --left;
        }
        if (left == 0)
            break;
        next->buf += sent;
        next->len -= static_cast<ULONG>(sent);
        sent = 0;
        DWORD count = 0;
        if (WSASend(SocketOf(mDescriptor), next, left, &count, 0, nullptr, nullptr) == 0) {
            sent = count;
            continue;
        }
        if (WSAGetLastError() == WSAEWOULDBLOCK) {
            const SocketStatus waited = WaitFor(SocketOf(mDescriptor), true, deadline);
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
    const int most = maximum > 0x40000000 ? 0x40000000 : static_cast<int>(maximum);
    while (true) {
        const int got = ::recv(SocketOf(mDescriptor), reinterpret_cast<char*>(buffer), most, 0);
        if (got >= 0) {
            *received = static_cast<size_t>(got);
            return SocketStatus::Ok;
        }
        if (WSAGetLastError() != WSAEWOULDBLOCK)
            return SocketStatus::Failed;
        const SocketStatus waited = WaitFor(SocketOf(mDescriptor), false, deadline);
        if (waited != SocketStatus::Ok)
            return waited;
    }
}

} // namespace kavelin::components
