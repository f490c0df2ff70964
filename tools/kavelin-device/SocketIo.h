#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

// Thin POSIX socket helpers with bounded waits, so no thread of the device can block forever.
namespace kavelin::device {

// Owns one file descriptor.
class Socket {
public:
    Socket() = default;
    explicit Socket(int fd) : mFd(fd) {}
    ~Socket();
    Socket(Socket&& other) noexcept : mFd(other.Release()) {}
    Socket& operator=(Socket&& other) noexcept;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    int Fd() const { return mFd; }
    bool Valid() const { return mFd >= 0; }
    int Release();
    void Close();

private:
    int mFd = -1;
};

enum class WaitResult { Ready, Timeout, Stopped, Error };

// Waits until `fd` is readable (or writable), in slices short enough to notice `stop`.
WaitResult WaitReadable(int fd, std::chrono::milliseconds timeout, const std::atomic<bool>& stop);
WaitResult WaitWritable(int fd, std::chrono::milliseconds timeout, const std::atomic<bool>& stop);

// Sends all bytes; false when the peer is gone, the wait runs out, or `stop` is set.
bool SendAll(int fd, std::string_view bytes, std::chrono::milliseconds timeout,
             const std::atomic<bool>& stop);

// Sleeps for `duration` unless `stop` is set first; false when it was.
bool SleepUnlessStopped(std::chrono::milliseconds duration, const std::atomic<bool>& stop);

// Listening sockets. On failure the Socket is invalid and `error` says why.
Socket ListenTcpLoopback(std::uint16_t port, std::uint16_t* boundPort, std::string* error);
Socket ListenUnix(const std::string& path, std::string* error);

// A TCP connection to 127.0.0.1:port, non-blocking, established within `timeout`.
Socket ConnectLoopback(std::uint16_t port, std::chrono::milliseconds timeout,
                       const std::atomic<bool>& stop, std::string* error);

} // namespace kavelin::device
