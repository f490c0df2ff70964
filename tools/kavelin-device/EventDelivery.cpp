#include "EventDelivery.h"

#include "SocketIo.h"

#include <cerrno>
#include <charconv>
#include <sys/socket.h>

namespace kavelin::device {

namespace {

constexpr std::size_t kMaxQueued = 256;

struct HttpAddress {
    std::uint16_t port = 80;
    std::string hostHeader;
    std::string path = "/";
};

bool ParseHttpAddress(const std::string& address, HttpAddress* out, std::string* error) {
    const std::string scheme = "http://";
    if (address.compare(0, scheme.size(), scheme) != 0) {
        *error = "delivery address is not an http URL: " + address;
        return false;
    }
    const std::string rest = address.substr(scheme.size());
    const auto slash = rest.find('/');
    out->hostHeader = rest.substr(0, slash);
    out->path = slash == std::string::npos ? "/" : rest.substr(slash);
    const auto colon = out->hostHeader.rfind(':');
    if (colon != std::string::npos && out->hostHeader.find(']', colon) == std::string::npos) {
        const std::string portText = out->hostHeader.substr(colon + 1);
        unsigned value = 0;
        const auto [end, ec] =
            std::from_chars(portText.data(), portText.data() + portText.size(), value);
        if (ec != std::errc{} || end != portText.data() + portText.size() || value == 0 ||
            value > 65535) {
            *error = "delivery address has a bad port: " + address;
            return false;
        }
        out->port = static_cast<std::uint16_t>(value);
    }
    if (out->hostHeader.empty()) {
        *error = "delivery address has no host: " + address;
        return false;
    }
    return true;
}

// Reads until the status line of the subscriber's answer is in; 0 when none came in time.
int ReadStatus(int fd, std::chrono::milliseconds timeout, const std::atomic<bool>& stop) {
    std::string answer;
    char chunk[1024];
    while (answer.find("\r\n") == std::string::npos && answer.size() < 4096) {
        if (WaitReadable(fd, timeout, stop) != WaitResult::Ready) {
            return 0;
        }
        const ssize_t got = ::recv(fd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        answer.append(chunk, static_cast<std::size_t>(got));
    }
    int status = 0;
    if (answer.compare(0, 5, "HTTP/") == 0) {
        const auto space = answer.find(' ');
        if (space != std::string::npos) {
            std::from_chars(answer.data() + space + 1, answer.data() + answer.size(), status);
        }
    }
    return status;
}

} // namespace

EventDelivery::EventDelivery(std::chrono::milliseconds timeout, Journal<DeliveryRecord>& journal)
    : mTimeout(timeout), mJournal(journal) {}

EventDelivery::~EventDelivery() {
    Stop();
}

void EventDelivery::Start() {
    mStop = false;
    mWorker = std::thread([this] { Run(); });
}

void EventDelivery::Stop() {
    {
        std::lock_guard lock(mMutex);
        mStop = true;
        mQueue.clear();
    }
    mWake.notify_all();
    if (mWorker.joinable()) {
        mWorker.join();
    }
}

void EventDelivery::Post(DeliveryRecord delivery) {
    {
        std::lock_guard lock(mMutex);
        if (!mStop && mQueue.size() < kMaxQueued) {
            mQueue.push_back(std::move(delivery));
            mWake.notify_one();
            return;
        }
    }
    delivery.error = "delivery queue full";
    mJournal.Append(std::move(delivery));
}

void EventDelivery::Run() {
    for (;;) {
        DeliveryRecord delivery;
        {
            std::unique_lock lock(mMutex);
            mWake.wait(lock, [&] { return mStop || !mQueue.empty(); });
            if (mStop) {
                return;
            }
            delivery = std::move(mQueue.front());
            mQueue.pop_front();
        }
        DeliverWithRetries(delivery);
        mJournal.Append(std::move(delivery));
    }
}

void EventDelivery::DeliverWithRetries(DeliveryRecord& delivery) {
    auto pause = kFirstPause;
    for (;;) {
        delivery.error.clear();
        delivery.httpStatus = 0;
        ++delivery.attempts;
        Deliver(delivery);
        const bool delivered = delivery.httpStatus >= 200 && delivery.httpStatus < 300;
        if (delivered || !delivery.retry || delivery.attempts > kRetries ||
            !PauseUnlessStopped(pause)) {
            if (!delivered && delivery.error.empty()) {
                delivery.error = "the subscriber answered " + std::to_string(delivery.httpStatus);
            }
            return;
        }
        pause *= 2;
    }
}

bool EventDelivery::PauseUnlessStopped(std::chrono::milliseconds pause) {
    std::unique_lock lock(mMutex);
    return !mWake.wait_for(lock, pause, [&] { return mStop.load(); });
}

void EventDelivery::Deliver(DeliveryRecord& delivery) {
    HttpAddress address;
    if (!ParseHttpAddress(delivery.address, &address, &delivery.error)) {
        return;
    }
    Socket sock = ConnectLoopback(address.port, mTimeout, mStop, &delivery.error);
    if (!sock.Valid()) {
        return;
    }
    std::string request = "POST " + address.path + " HTTP/1.1\r\n";
    request += "Host: " + address.hostHeader + "\r\n";
    request += "User-Agent: kavelin-device\r\n";
    request += "Content-Type: text/xml; charset=utf-8\r\n";
    request += "Content-Length: " + std::to_string(delivery.envelope.size()) + "\r\n";
    request += "SOAPAction: \"urn:#Deliver\"\r\n";
    request += "Connection: close\r\n\r\n";
    request += delivery.envelope;
    if (!SendAll(sock.Fd(), request, mTimeout, mStop)) {
        delivery.error = "sending the event failed";
        return;
    }
    delivery.httpStatus = ReadStatus(sock.Fd(), mTimeout, mStop);
    if (delivery.httpStatus == 0) {
        delivery.error = "no answer from the subscriber";
    }
}

} // namespace kavelin::device
