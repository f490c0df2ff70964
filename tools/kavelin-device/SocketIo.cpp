#include "SocketIo.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <thread>

namespace kavelin::device {

namespace {

// Long enough to be cheap, short enough that Stop is prompt.
constexpr std::chrono::milliseconds kPollSlice{50};

WaitResult WaitFor(int fd, short events, std::chrono::milliseconds timeout,
                   const std::atomic<bool>& stop) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (stop.load()) {
            return WaitResult::Stopped;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return WaitResult::Timeout;
        }
        pollfd entry{fd, events, 0};
        const int slice = static_cast<int>(std::min(left, kPollSlice).count());
        const int ready = ::poll(&entry, 1, slice);
        if (ready > 0) {
            return (entry.revents & (events | POLLHUP | POLLERR)) ? WaitResult::Ready
                                                                  : WaitResult::Error;
        }
        if (ready < 0 && errno != EINTR) {
            return WaitResult::Error;
        }
    }
}

void SetNonBlocking(int fd) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

std::string ErrnoText(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

} // namespace

Socket::~Socket() {
    Close();
}

Socket& Socket::operator=(Socket&& other) noexcept {
    if (this != &other) {
        Close();
        mFd = other.Release();
    }
    return *this;
}

int Socket::Release() {
    const int fd = mFd;
    mFd = -1;
    return fd;
}

void Socket::Close() {
    if (mFd >= 0) {
        ::close(mFd);
        mFd = -1;
    }
}

WaitResult WaitReadable(int fd, std::chrono::milliseconds timeout, const std::atomic<bool>& stop) {
    return WaitFor(fd, POLLIN, timeout, stop);
}

WaitResult WaitWritable(int fd, std::chrono::milliseconds timeout, const std::atomic<bool>& stop) {
    return WaitFor(fd, POLLOUT, timeout, stop);
}

bool SendAll(int fd, std::string_view bytes, std::chrono::milliseconds timeout,
             const std::atomic<bool>& stop) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (WaitWritable(fd, timeout, stop) != WaitResult::Ready) {
                return false;
            }
            continue;
        }
        return false;
    }
    return true;
}

Socket ListenTcpLoopback(std::uint16_t port, std::uint16_t* boundPort, std::string* error) {
    Socket sock(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!sock.Valid()) {
        *error = ErrnoText("socket");
        return {};
    }
    const int yes = 1;
    ::setsockopt(sock.Fd(), SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::bind(sock.Fd(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        *error = ErrnoText("bind 127.0.0.1");
        return {};
    }
    if (::listen(sock.Fd(), 64) != 0) {
        *error = ErrnoText("listen");
        return {};
    }
    socklen_t len = sizeof addr;
    ::getsockname(sock.Fd(), reinterpret_cast<sockaddr*>(&addr), &len);
    *boundPort = ntohs(addr.sin_port);
    SetNonBlocking(sock.Fd());
    return sock;
}

Socket ListenUnix(const std::string& path, std::string* error) {
    sockaddr_un addr{};
    if (path.empty() || path.size() >= sizeof addr.sun_path) {
        *error = "unix socket path is empty or too long: " + path;
        return {};
    }
    Socket sock(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!sock.Valid()) {
        *error = ErrnoText("socket");
        return {};
    }
    // A stale socket of an earlier run is replaced; any other kind of file is left alone.
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode)) {
        ::unlink(path.c_str());
    }
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    if (::bind(sock.Fd(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        *error = ErrnoText(("bind " + path).c_str());
        return {};
    }
    if (::listen(sock.Fd(), 64) != 0) {
        *error = ErrnoText("listen");
        return {};
    }
    SetNonBlocking(sock.Fd());
    return sock;
}

Socket ConnectLoopback(std::uint16_t port, std::chrono::milliseconds timeout,
                       const std::atomic<bool>& stop, std::string* error) {
    Socket sock(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!sock.Valid()) {
        *error = ErrnoText("socket");
        return {};
    }
    SetNonBlocking(sock.Fd());
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(sock.Fd(), reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        if (errno != EINPROGRESS) {
            *error = ErrnoText("connect");
            return {};
        }
        if (WaitWritable(sock.Fd(), timeout, stop) != WaitResult::Ready) {
            *error = "connect timed out";
            return {};
        }
        int soError = 0;
        socklen_t len = sizeof soError;
        ::getsockopt(sock.Fd(), SOL_SOCKET, SO_ERROR, &soError, &len);
        if (soError != 0) {
            *error = std::string("connect: ") + std::strerror(soError);
            return {};
        }
    }
    return sock;
}

bool SleepUnlessStopped(std::chrono::milliseconds duration, const std::atomic<bool>& stop) {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    while (!stop.load()) {
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) {
            return true;
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(left, kPollSlice));
    }
    return false;
}

} // namespace kavelin::device
