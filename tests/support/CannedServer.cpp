#include "support/CannedServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace kavelin_test {

namespace {

constexpr int kSilenceLimitMs = 5000;
constexpr size_t kRequestLimit = 1 << 20;

// True once the buffer holds a whole request: the header block and Content-Length bytes.
bool RequestComplete(const std::string& request) {
    const auto headerEnd = request.find("\r\n\r\n");
    if (headerEnd == std::string::npos)
        return false;
    const auto length = request.find("Content-Length: ");
    if (length == std::string::npos || length > headerEnd)
        return true;
    const size_t bodyLength = std::strtoul(request.c_str() + length + 16, nullptr, 10);
    return request.size() >= headerEnd + 4 + bodyLength;
}

std::string ReadRequest(int connection) {
    std::string request;
    char buffer[4096];
    while (!RequestComplete(request) && request.size() < kRequestLimit) {
        pollfd ready{connection, POLLIN, 0};
        if (poll(&ready, 1, kSilenceLimitMs) <= 0)
            break;
        const ssize_t got = read(connection, buffer, sizeof buffer);
        if (got <= 0)
            break;
        request.append(buffer, static_cast<size_t>(got));
    }
    return request;
}

} // namespace

CannedServer::CannedServer(std::vector<std::string> answers, std::string unixPath)
    : mUnixPath(std::move(unixPath)), mAnswers(std::move(answers)) {
    sockaddr_storage storage{};
    socklen_t length = sizeof(sockaddr_in);
    if (mUnixPath.empty()) {
        auto& address = reinterpret_cast<sockaddr_in&>(storage);
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    } else {
        auto& address = reinterpret_cast<sockaddr_un&>(storage);
        address.sun_family = AF_UNIX;
        mUnixPath.copy(address.sun_path, sizeof address.sun_path - 1);
        length = sizeof(sockaddr_un);
    }
    mListener = socket(storage.ss_family, SOCK_STREAM, 0);
    auto* address = reinterpret_cast<sockaddr*>(&storage);
    if (mListener < 0 || bind(mListener, address, length) != 0 || listen(mListener, 4) != 0 ||
        getsockname(mListener, address, &length) != 0)
        throw std::runtime_error("listener failed");
    mPort = mUnixPath.empty() ? ntohs(reinterpret_cast<sockaddr_in&>(storage).sin_port) : 0;
    mThread = std::thread([this] { Serve(); });
}

CannedServer::~CannedServer() {
    if (mThread.joinable())
        mThread.join();
    close(mListener);
    if (!mUnixPath.empty())
        unlink(mUnixPath.c_str());
}

std::string CannedServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(mPort) + path;
}

const std::vector<std::string>& CannedServer::Requests() {
    if (mThread.joinable())
        mThread.join();
    return mRequests;
}

void CannedServer::Serve() {
    for (const auto& answer : mAnswers) {
        pollfd ready{mListener, POLLIN, 0};
        if (poll(&ready, 1, kSilenceLimitMs) <= 0)
            return;
        const int connection = accept(mListener, nullptr, nullptr);
        if (connection < 0)
            return;
        mRequests.push_back(ReadRequest(connection));
        size_t sent = 0;
        while (sent < answer.size()) {
            // A client that closed without reading must not end the test with SIGPIPE.
            const ssize_t put =
                send(connection, answer.data() + sent, answer.size() - sent, MSG_NOSIGNAL);
            if (put <= 0)
                break;
            sent += static_cast<size_t>(put);
        }
        close(connection);
    }
}

std::string SoapAnswer(const std::string& bodyContent, const std::string& httpStatus) {
    const std::string envelope =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<s:Envelope xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body>" +
        bodyContent + "</s:Body></s:Envelope>";
    return "HTTP/1.1 " + httpStatus +
           "\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " +
           std::to_string(envelope.size()) + "\r\nConnection: close\r\n\r\n" + envelope;
}

} // namespace kavelin_test
