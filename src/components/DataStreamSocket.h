#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "components/DataStreamAddress.h"

// One connection of the built-in data stream. Every wait is bounded by the timeout given to
// the call, and writing to a connection the device has closed fails instead of raising a
// signal in the host's process.
namespace kavelin::components {

enum class SocketStatus { Ok, TimedOut, Failed };

// Bytes to send that belong to the caller.
struct SendPiece {
    const uint8_t* data = nullptr;
    size_t count = 0;
};

class DataStreamSocket {
public:
    DataStreamSocket() = default;
    ~DataStreamSocket();
    DataStreamSocket(const DataStreamSocket&) = delete;
    DataStreamSocket& operator=(const DataStreamSocket&) = delete;

    // Closes any previous connection first. `error` says why a connection failed.
    SocketStatus Connect(const DeviceAddress& address, std::chrono::milliseconds timeout,
                         std::string* error);
    // All of `first` and then all of `second` (either may be empty), in one system call as
    // long as the device takes them, within `timeout` in total.
    SocketStatus Send(SendPiece first, SendPiece second, std::chrono::milliseconds timeout);
    // What arrives first, at most `maximum` bytes; `*received` is 0 when the device has
    // closed its side.
    SocketStatus Receive(uint8_t* buffer, size_t maximum, size_t* received,
                         std::chrono::milliseconds timeout);
    // Whether bytes nobody asked for are waiting: bytes that came after an answer was read
    // and before the next request (what comes after a request is its answer, and a new
    // connection holds no earlier answer). Never waits.
    bool HasUnread() const;
    void Close();
    bool IsOpen() const { return mDescriptor >= 0; }

private:
    // A descriptor here, a SOCKET (pointer-sized) on Windows; -1 when closed.
    std::intptr_t mDescriptor = -1;
    // Whether anything has been read since the connection was made or bytes were last sent.
    bool mReadSinceSent = false;
};

} // namespace kavelin::components
