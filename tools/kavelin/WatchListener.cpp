#include "WatchListener.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <list>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pthread.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include "WatchDeliveryFraming.h"
#include "WatchDeliveryReader.h"
#include "platform/VisibleText.h"

namespace kavelin::cli {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBacklog = 64;
constexpr std::chrono::milliseconds kStopPoll{100}; // how soon the loop notices Stop
constexpr std::size_t kReadChunk = 64 * 1024;
constexpr std::size_t kAcceptsPerRound = 64;
constexpr int kRequestsPerConnection = 100;
constexpr std::chrono::seconds kReportPeriod{1};
// After the last answer on a connection, what the peer still sends is read and dropped for a
// while, so that closing does not reset the connection before the peer has read the answer.
constexpr std::chrono::milliseconds kDrainQuiet{1000};
constexpr char kContinue[] = "HTTP/1.1 100 Continue\r\n\r\n";

struct Connection {
    enum class Phase { Reading, Writing, Draining };
    int fd = -1;
    Phase phase = Phase::Reading;
    std::string in;  // what has arrived and is not yet read as a request
    std::string out; // the answer being sent
    std::size_t sent = 0;
    std::size_t drained = 0;
    Clock::time_point deadline;
    Clock::time_point drainEnd;
    bool begun = false;     // the current request's first byte is in
    bool continued = false; // 100 Continue went out for the current request
    bool closeAfter = false;
    int served = 0;
};

std::string Seconds(std::chrono::milliseconds duration) {
    return std::to_string(std::chrono::duration_cast<std::chrono::seconds>(duration).count());
}

// Threads started here leave SIGINT and SIGTERM to the thread that waits for them.
class SignalsBlocked {
public:
    SignalsBlocked() {
        sigset_t blocked;
        sigemptyset(&blocked);
        sigaddset(&blocked, SIGINT);
        sigaddset(&blocked, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &blocked, &mPrevious);
    }
    ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &mPrevious, nullptr); }

private:
    sigset_t mPrevious;
};

} // namespace

class WatchListener::Loop {
public:
    explicit Loop(WatchListener& owner)
        : mOwner(owner), mLimits(owner.mLimits),
          mHeld([&owner](const std::string& id) { return owner.Holds(id); }) {}
    ~Loop() {
        for (Connection& connection : mConnections)
            Close(connection);
    }
    Loop(const Loop&) = delete;
    Loop& operator=(const Loop&) = delete;

    void Run() {
        std::vector<pollfd> ready;
        std::vector<Connection*> polled;
        while (!mOwner.mStop) {
            Clock::time_point wake = Clock::now() + kStopPoll;
            ready.assign(1, pollfd{mOwner.mListenFd, POLLIN, 0});
            polled.clear();
            for (Connection& connection : mConnections) {
                const short events =
                    connection.phase == Connection::Phase::Writing ? POLLOUT : POLLIN;
                ready.push_back(pollfd{connection.fd, events, 0});
                polled.push_back(&connection);
                wake = std::min(wake, connection.deadline);
            }
            const auto wait =
                std::chrono::ceil<std::chrono::milliseconds>(wake - Clock::now()).count();
            if (::poll(ready.data(), ready.size(), wait > 0 ? static_cast<int>(wait) : 0) < 0 &&
                errno != EINTR)
                return;
            for (std::size_t i = 0; i < polled.size(); ++i) {
                if (ready[i + 1].revents != 0 && polled[i]->fd >= 0)
                    Serve(*polled[i]);
            }
            const Clock::time_point now = Clock::now();
            for (Connection& connection : mConnections) {
                if (connection.fd >= 0 && now >= connection.deadline)
                    Expire(connection);
            }
            mConnections.remove_if([](const Connection& c) { return c.fd < 0; });
            if (ready[0].revents & POLLIN)
                Accept();
        }
    }

private:
    void Accept() {
        for (std::size_t i = 0; i < kAcceptsPerRound; ++i) {
            const int fd =
                ::accept4(mOwner.mListenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0)
                return;
            // Answers go out whole at once; waiting for the peer's acknowledgement would add a
            // round of delayed acknowledgement to every delivery.
            const int noDelay = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
            if (mConnections.size() >= mLimits.connections)
                Evict();
            Connection& connection = mConnections.emplace_back();
            connection.fd = fd;
            connection.deadline = Clock::now() + mLimits.idle;
        }
    }

    // Room for a new connection: the oldest that has not begun a request goes, else the oldest.
    void Evict() {
        auto victim = mConnections.begin();
        for (auto it = mConnections.begin(); it != mConnections.end(); ++it) {
            if (it->phase == Connection::Phase::Reading && !it->begun) {
                victim = it;
                break;
            }
        }
        Close(*victim);
        mConnections.erase(victim);
    }

    void Serve(Connection& connection) {
        switch (connection.phase) {
        case Connection::Phase::Reading:
            Receive(connection);
            break;
        case Connection::Phase::Writing:
            Send(connection);
            break;
        case Connection::Phase::Draining:
            Drain(connection);
            break;
        }
    }

    void Receive(Connection& connection) {
        char chunk[kReadChunk];
        const ssize_t got = ::recv(connection.fd, chunk, sizeof chunk, 0);
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return;
        if (got <= 0) {
            if (got < 0 || connection.in.empty()) {
                Close(connection);
                return;
            }
            // The peer has said all it will: what came is the request.
            connection.closeAfter = true;
            const std::string request = Take(connection, connection.in.size());
            Answer(connection, mReader.Read(request, mHeld));
            return;
        }
        if (!connection.begun) {
            connection.begun = true;
            connection.deadline = Clock::now() + mLimits.transfer;
        }
        connection.in.append(chunk, static_cast<std::size_t>(got));
        mBuffered += static_cast<std::size_t>(got);
        Advance(connection);
        KeepWithinBudget();
    }

    // Reads the request that is whole among the bytes in, if one is.
    void Advance(Connection& connection) {
        if (connection.in.size() > mLimits.requestBytes) {
            Refuse(connection,
                   "request larger than " + std::to_string(mLimits.requestBytes) + " bytes");
            return;
        }
        const RequestFrame frame = FrameRequest(connection.in);
        if (frame.state == RequestFrame::State::Incomplete) {
            if (frame.awaitsContinue && !connection.continued) {
                connection.continued = true;
                // A peer that cannot take these few bytes now sends its body unasked later.
                ::send(connection.fd, kContinue, sizeof kContinue - 1, MSG_NOSIGNAL);
            }
            return;
        }
        if (frame.state == RequestFrame::State::Malformed)
            connection.closeAfter = true;
        const std::string request =
            Take(connection,
                 frame.state == RequestFrame::State::Whole ? frame.length : connection.in.size());
        Answer(connection, mReader.Read(request, mHeld));
    }

    std::string Take(Connection& connection, std::size_t length) {
        std::string taken = connection.in.substr(0, length);
        connection.in.erase(0, length);
        mBuffered -= length;
        return taken;
    }

    void Answer(Connection& connection, DeliveryOutcome outcome) {
        if (outcome.event)
            mOwner.mSink.Delivered(std::move(*outcome.event));
        if (!outcome.refusal.empty())
            Report(outcome.refusal);
        connection.out = std::move(outcome.answer);
        connection.sent = 0;
        connection.closeAfter = connection.closeAfter || !outcome.keepAlive ||
                                ++connection.served >= kRequestsPerConnection;
        connection.phase = Connection::Phase::Writing;
        connection.deadline = Clock::now() + mLimits.transfer;
        connection.begun = false;
        connection.continued = false;
        Send(connection);
    }

    void Refuse(Connection& connection, const std::string& reason) {
        Take(connection, connection.in.size());
        connection.closeAfter = true;
        Answer(connection, mReader.Refuse(reason));
    }

    void Send(Connection& connection) {
        while (connection.sent < connection.out.size()) {
            const ssize_t sent = ::send(connection.fd, connection.out.data() + connection.sent,
                                        connection.out.size() - connection.sent, MSG_NOSIGNAL);
            if (sent > 0) {
                connection.sent += static_cast<std::size_t>(sent);
            } else if (sent < 0 && errno == EINTR) {
                continue;
            } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return;
            } else {
                Close(connection);
                return;
            }
        }
        std::string().swap(connection.out);
        const Clock::time_point now = Clock::now();
        if (connection.closeAfter) {
            Take(connection, connection.in.size());
            ::shutdown(connection.fd, SHUT_WR);
            connection.phase = Connection::Phase::Draining;
            connection.drainEnd = now + mLimits.transfer;
            connection.deadline = std::min(now + kDrainQuiet, connection.drainEnd);
            return;
        }
        connection.phase = Connection::Phase::Reading;
        connection.deadline = now + mLimits.idle;
        if (!connection.in.empty()) { // the next request came along with this one
            connection.begun = true;
            connection.deadline = now + mLimits.transfer;
            Advance(connection);
        }
    }

    void Drain(Connection& connection) {
        char chunk[kReadChunk];
        const ssize_t got = ::recv(connection.fd, chunk, sizeof chunk, 0);
        if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            return;
        connection.drained += got > 0 ? static_cast<std::size_t>(got) : 0;
        if (got <= 0 || connection.drained > 2 * mLimits.requestBytes) {
            Close(connection);
            return;
        }
        connection.deadline = std::min(Clock::now() + kDrainQuiet, connection.drainEnd);
    }

    void Expire(Connection& connection) {
        if (connection.phase == Connection::Phase::Reading && connection.begun)
            Refuse(connection,
                   "the request did not arrive whole within " + Seconds(mLimits.transfer) + " s");
        else
            Close(connection); // silent for too long, or an answer the peer does not take
    }

    // Many connections that each hold much: the one holding most is refused.
    void KeepWithinBudget() {
        while (mBuffered > mLimits.bufferedBytes) {
            Connection* largest = nullptr;
            for (Connection& connection : mConnections) {
                // A connection being answered keeps its answer whole.
                if (connection.fd >= 0 && connection.phase == Connection::Phase::Reading &&
                    (!largest || connection.in.size() > largest->in.size()))
                    largest = &connection;
            }
            if (largest == nullptr || largest->in.empty())
                return;
            Refuse(*largest, "the listener holds too much of other requests");
        }
    }

    void Close(Connection& connection) {
        if (connection.fd < 0)
            return;
        ::close(connection.fd);
        connection.fd = -1;
        mBuffered -= connection.in.size();
        std::string().swap(connection.in);
        std::string().swap(connection.out);
    }

    // Anyone who reaches the listener can make it refuse: one line a second at most.
    void Report(const std::string& reason) {
        const Clock::time_point now = Clock::now();
        if (mReported && now - mLastReport < kReportPeriod) {
            ++mUnreported;
            return;
        }
        std::string line = platform::VisibleText(reason, platform::kVisibleTextLimit);
        if (mUnreported > 0)
            line += " (and " + std::to_string(mUnreported) + " more since the last one shown)";
        mUnreported = 0;
        mReported = true;
        mLastReport = now;
        mOwner.mSink.Rejected(line);
    }

    WatchListener& mOwner;
    const ListenerLimits& mLimits;
    const HeldSubscription mHeld;
    DeliveryReader mReader;
    std::list<Connection> mConnections; // oldest first
    std::size_t mBuffered = 0;
    bool mReported = false;
    Clock::time_point mLastReport;
    std::size_t mUnreported = 0;
};

WatchListener::WatchListener(DeliverySink& sink, ListenerLimits limits)
    : mSink(sink), mLimits(limits) {}

WatchListener::~WatchListener() {
    Stop();
}

void WatchListener::Start(const std::string& address, std::uint16_t port) {
    const auto fail = [&](const char* what) {
        const std::string reason = std::strerror(errno);
        if (mListenFd >= 0)
            ::close(mListenFd);
        mListenFd = -1;
        throw std::runtime_error("cannot listen on " + address + ":" + std::to_string(port) + ": " +
                                 what + ": " + reason);
    };
    sockaddr_in bound{};
    bound.sin_family = AF_INET;
    bound.sin_port = htons(port);
    if (::inet_pton(AF_INET, address.c_str(), &bound.sin_addr) != 1) {
        errno = EINVAL;
        fail("address");
    }
    mListenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (mListenFd < 0)
        fail("socket");
    const int reuse = 1;
    ::setsockopt(mListenFd, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    if (::bind(mListenFd, reinterpret_cast<sockaddr*>(&bound), sizeof bound) != 0)
        fail("bind");
    if (::listen(mListenFd, kBacklog) != 0)
        fail("listen");
    socklen_t length = sizeof bound;
    ::getsockname(mListenFd, reinterpret_cast<sockaddr*>(&bound), &length);
    mPort = ntohs(bound.sin_port);

    mStop = false;
    mLoop = std::make_unique<Loop>(*this);
    const SignalsBlocked blocked;
    mThread = std::thread([this] { mLoop->Run(); });
}

void WatchListener::Stop() {
    mStop = true;
    if (mThread.joinable())
        mThread.join();
    mLoop.reset();
    if (mListenFd >= 0) {
        ::close(mListenFd);
        mListenFd = -1;
    }
}

void WatchListener::Hold(const std::string& subscriptionId) {
    std::lock_guard lock(mHeldMutex);
    mHeld.insert(subscriptionId);
}

bool WatchListener::Holds(const std::string& subscriptionId) {
    std::lock_guard lock(mHeldMutex);
    return mHeld.count(subscriptionId) > 0;
}

} // namespace kavelin::cli
