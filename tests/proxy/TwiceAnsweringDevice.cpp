#include "TwiceAnsweringDevice.h"

#include "support/CannedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace kavelin_test {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::seconds kLifetime{30};
constexpr int kPollMs = 20;

// The text between `open` and `close` in `text`; empty when either is missing.
std::string Between(const std::string& text, const std::string& open, const std::string& close) {
    const size_t start = text.find(open);
    const size_t end = start == std::string::npos ? start : text.find(close, start + open.size());
    if (end == std::string::npos)
        return {};
    return text.substr(start + open.size(), end - start - open.size());
}

// Takes one whole request (header block and Content-Length bytes) off the front of `received`.
bool TakeRequest(std::string& received, std::string* request) {
    const size_t headerEnd = received.find("\r\n\r\n");
    if (headerEnd == std::string::npos)
        return false;
    const size_t size =
        headerEnd + 4 +
        std::strtoul(Between(received, "Content-Length: ", "\r\n").c_str(), nullptr, 10);
    if (received.size() < size)
        return false;
    *request = received.substr(0, size);
    received.erase(0, size);
    return true;
}

std::string AnswerTo(const std::string& action, const std::string& request) {
    const std::string body = action == "GetData" ? "<x:GetDataResponse><GetDataResult>" +
                                                       Between(request, "<Path>", "</Path>") +
                                                       "</GetDataResult></x:GetDataResponse>"
                                                 : "<y:SetDataResponse/>";
    const std::string envelope =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><s:Envelope "
        "xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" "
        "xmlns:x=\"http://schemas.orvanta.example/schemas/imaging/con/ixa/2004/07/20\" "
        "xmlns:y=\"http://schemas.orvanta.example/schemas/imaging/con/ixa/2005/05/05\"><s:Body>" +
        body + "</s:Body></s:Envelope>";
    return kavelin_test::HttpSoapAnswer(envelope);
}

void SendAll(int connection, const std::string& bytes) {
    for (size_t sent = 0; sent < bytes.size();) {
        const ssize_t put =
            send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (put <= 0)
            return;
        sent += static_cast<size_t>(put);
    }
}

} // namespace

TwiceAnsweringDevice::TwiceAnsweringDevice(std::string unixPath,
                                           std::chrono::milliseconds repeatAfter)
    : mUnixPath(std::move(unixPath)), mRepeatAfter(repeatAfter) {
    sockaddr_storage storage{};
    socklen_t length = 0;
    if (mUnixPath.empty()) {
        auto* address = reinterpret_cast<sockaddr_in*>(&storage);
        address->sin_family = AF_INET;
        address->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        length = sizeof(sockaddr_in);
    } else {
        auto* address = reinterpret_cast<sockaddr_un*>(&storage);
        address->sun_family = AF_UNIX;
        std::strncpy(address->sun_path, mUnixPath.c_str(), sizeof address->sun_path - 1);
        length = sizeof(sockaddr_un);
        unlink(mUnixPath.c_str());
    }
    mListener = socket(storage.ss_family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    auto* address = reinterpret_cast<sockaddr*>(&storage);
    if (mListener < 0 || bind(mListener, address, length) != 0 || listen(mListener, 4) != 0 ||
        getsockname(mListener, address, &length) != 0)
        throw std::runtime_error("listener failed");
    if (mUnixPath.empty())
        mPort = ntohs(reinterpret_cast<sockaddr_in*>(&storage)->sin_port);
    mThread = std::thread([this] { Serve(); });
}

TwiceAnsweringDevice::~TwiceAnsweringDevice() {
    mStop = true;
    mThread.join();
    close(mListener);
    if (!mUnixPath.empty())
        unlink(mUnixPath.c_str());
}

std::string TwiceAnsweringDevice::Url() const {
    return mUnixPath.empty() ? "http://127.0.0.1:" + std::to_string(mPort) + "/"
                             : "ovdcs://unix" + mUnixPath;
}

std::vector<std::string> TwiceAnsweringDevice::Actions() {
    const std::lock_guard<std::mutex> lock(mMutex);
    return mActions;
}

void TwiceAnsweringDevice::Serve() {
    const Clock::time_point end = Clock::now() + kLifetime;
    int connection = -1;
    std::string received;
    std::string repeat;
    Clock::time_point repeatAt;
    while (!mStop && Clock::now() < end) {
        if (!repeat.empty() && Clock::now() >= repeatAt) {
            SendAll(connection, repeat);
            repeat.clear();
        }
        pollfd ready[2] = {{mListener, POLLIN, 0}, {connection, POLLIN, 0}};
        if (poll(ready, connection < 0 ? 1 : 2, kPollMs) <= 0)
            continue;
        if (ready[1].revents != 0) {
            char buffer[4096];
            const ssize_t got = read(connection, buffer, sizeof buffer);
            if (got <= 0) {
                close(connection);
                connection = -1;
                repeat.clear();
                continue;
            }
            received.append(buffer, static_cast<size_t>(got));
        }
        std::string request;
        while (connection >= 0 && TakeRequest(received, &request)) {
            const std::string action = Between(request, "SOAPAction: \"", "\"");
            {
                const std::lock_guard<std::mutex> lock(mMutex);
                mActions.push_back(action);
            }
            // At once: both copies in one write, so they arrive together.
            const std::string answer = AnswerTo(action, request);
            const bool atOnce = mRepeatAfter.count() == 0;
            SendAll(connection, atOnce ? answer + answer : answer);
            repeat = atOnce ? std::string() : answer;
            repeatAt = Clock::now() + mRepeatAfter;
        }
        if ((ready[0].revents & POLLIN) != 0) {
            if (connection >= 0)
                close(connection);
            connection = accept(mListener, nullptr, nullptr);
            received.clear();
            repeat.clear();
        }
    }
    if (connection >= 0)
        close(connection);
}

} // namespace kavelin_test
