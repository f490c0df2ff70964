#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>

namespace kavelin::testing {

// A device stand-in for one connection on a Unix socket or 127.0.0.1: it reads the request
// up to the end of its header block, then answers and closes, stays silent, or closes at once.
// Every wait is bounded, and the destructor stops it.
class ScriptedPeer {
public:
    enum class Behaviour { Answer, Silent, CloseAtOnce };

    // An empty `unixPath` listens on an ephemeral TCP port of 127.0.0.1.
    ScriptedPeer(Behaviour behaviour, std::string answer, const std::string& unixPath = {})
        : mBehaviour(behaviour), mAnswer(std::move(answer)), mUnixPath(unixPath) {
        if (unixPath.empty()) {
            mListener = socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address{};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            bind(mListener, reinterpret_cast<sockaddr*>(&address), sizeof address);
            socklen_t length = sizeof address;
            getsockname(mListener, reinterpret_cast<sockaddr*>(&address), &length);
            mPort = ntohs(address.sin_port);
        } else {
            unlink(unixPath.c_str());
            mListener = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, unixPath.c_str(), sizeof address.sun_path - 1);
            bind(mListener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        }
        listen(mListener, 4);
        mThread = std::thread([this] { Serve(); });
    }

    ~ScriptedPeer() {
        mStop = true;
        mThread.join();
        close(mListener);
        if (!mUnixPath.empty())
            unlink(mUnixPath.c_str());
    }

    ScriptedPeer(const ScriptedPeer&) = delete;
    ScriptedPeer& operator=(const ScriptedPeer&) = delete;

    uint16_t Port() const { return mPort; }
    // What arrived, readable once the peer has answered.
    std::string Received() const { return mDone ? mReceived : std::string(); }

private:
    bool WaitReadable(int descriptor) const {
        for (int slice = 0; slice < 100 && !mStop; ++slice) {
            pollfd entry{descriptor, POLLIN, 0};
            if (poll(&entry, 1, 50) > 0)
                return true;
        }
        return false;
    }

    void Serve() {
        if (!WaitReadable(mListener))
            return;
        const int connection = accept(mListener, nullptr, nullptr);
        if (mBehaviour != Behaviour::CloseAtOnce) {
            char buffer[4096];
            while (mReceived.find("\r\n\r\n") == std::string::npos && WaitReadable(connection)) {
                const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
                if (got <= 0)
                    break;
                mReceived.append(buffer, static_cast<size_t>(got));
            }
            if (mBehaviour == Behaviour::Answer)
                send(connection, mAnswer.data(), mAnswer.size(), MSG_NOSIGNAL);
            while (mBehaviour == Behaviour::Silent && !mStop) {
                if (WaitReadable(connection) && recv(connection, buffer, sizeof buffer, 0) <= 0)
                    break;
            }
        }
        mDone = true;
        close(connection);
    }

    Behaviour mBehaviour;
    std::string mAnswer;
    std::string mUnixPath;
    int mListener = -1;
    uint16_t mPort = 0;
    std::string mReceived;
    std::atomic<bool> mStop{false};
    std::atomic<bool> mDone{false};
    std::thread mThread;
};

} // namespace kavelin::testing
