#include "HttpRequestReader.h"

#include "SocketIo.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <sys/socket.h>

namespace kavelin::device {

namespace {

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool ContainsTokenNoCase(const std::string& value, const std::string& token) {
    std::string lower(value);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find(token) != std::string::npos;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

HttpRequestReader::Outcome Malformed(int status, std::string reason) {
    return {HttpRequestReader::Status::Malformed, status, std::move(reason)};
}

} // namespace

std::string HttpRequest::Header(const std::string& name) const {
    for (const auto& [key, value] : headers) {
        if (EqualsNoCase(key, name)) {
            return value;
        }
    }
    return {};
}

HttpRequestReader::HttpRequestReader(int fd, HttpLimits limits, const std::atomic<bool>& stop)
    : mFd(fd), mLimits(limits), mStop(stop) {}

HttpRequestReader::Fill HttpRequestReader::FillBuffer() {
    char chunk[8192];
    for (;;) {
        auto wait = mLimits.idleTimeout;
        bool lastWait = false; // this wait ends at the request's deadline
        if (mDeadline) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(
                *mDeadline - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return Fill::Late;
            lastWait = left < wait;
            wait = std::min(wait, left);
        }
        switch (WaitReadable(mFd, wait, mStop)) {
        case WaitResult::Ready:
            break;
        case WaitResult::Timeout:
            return lastWait ? Fill::Late : Fill::Timeout;
        case WaitResult::Stopped:
            return Fill::Stopped;
        case WaitResult::Error:
            return Fill::Closed;
        }
        const ssize_t got = ::recv(mFd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (got > 0) {
            if (!mDeadline)
                mDeadline = std::chrono::steady_clock::now() + mLimits.requestTimeout;
            mBuffer.append(chunk, static_cast<std::size_t>(got));
            return Fill::Data;
        }
        if (got < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
            continue;
        }
        return Fill::Closed;
    }
}

HttpRequestReader::Outcome HttpRequestReader::Incomplete(Fill fill, const char* what) const {
    if (fill == Fill::Late)
        return Malformed(408, "the request did not arrive whole within " +
                                  std::to_string(mLimits.requestTimeout.count()) + " ms");
    return Malformed(400, what);
}

HttpRequestReader::Outcome HttpRequestReader::Next(HttpRequest& request) {
    request = HttpRequest{};
    // Bytes of this request that came with the last one started it then.
    mDeadline.reset();
    if (!mBuffer.empty())
        mDeadline = std::chrono::steady_clock::now() + mLimits.requestTimeout;
    Outcome outcome = ReadHead(request);
    if (outcome.status != Status::Ok) {
        return outcome;
    }
    if (ContainsTokenNoCase(request.Header("Expect"), "100-continue")) {
        SendAll(mFd, "HTTP/1.1 100 Continue\r\n\r\n", mLimits.idleTimeout, mStop);
    }
    const std::string transferEncoding = request.Header("Transfer-Encoding");
    if (!transferEncoding.empty()) {
        if (!ContainsTokenNoCase(transferEncoding, "chunked")) {
            return Malformed(501, "unsupported transfer encoding");
        }
        return ReadChunkedBody(request);
    }
    return ReadContentLengthBody(request, request.Header("Content-Length"));
}

HttpRequestReader::Outcome HttpRequestReader::ReadHead(HttpRequest& request) {
    std::size_t end;
    while ((end = mBuffer.find("\r\n\r\n")) == std::string::npos) {
        if (mBuffer.size() > mLimits.maxHeaderBytes) {
            return Malformed(431, "request header too large");
        }
        const bool begun = !mBuffer.empty();
        switch (const Fill fill = FillBuffer()) {
        case Fill::Data:
            continue;
        case Fill::Timeout:
        case Fill::Late:
        case Fill::Closed:
            return begun ? Incomplete(fill, "incomplete request header") : Outcome{};
        case Fill::Stopped:
            return Outcome{};
        }
    }
    if (end > mLimits.maxHeaderBytes) {
        return Malformed(431, "request header too large");
    }
    request.head = mBuffer.substr(0, end + 2);
    mBuffer.erase(0, end + 4);

    std::size_t lineEnd = request.head.find("\r\n");
    const std::string requestLine = request.head.substr(0, lineEnd);
    const auto firstSpace = requestLine.find(' ');
    const auto secondSpace = requestLine.find(' ', firstSpace + 1);
    if (firstSpace == std::string::npos || secondSpace == std::string::npos) {
        return Malformed(400, "malformed request line");
    }
    request.method = requestLine.substr(0, firstSpace);
    request.target = requestLine.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    request.version = requestLine.substr(secondSpace + 1);
    if (request.version != "HTTP/1.1" && request.version != "HTTP/1.0") {
        return Malformed(400, "unsupported HTTP version");
    }
    std::size_t pos = lineEnd + 2;
    while (pos < request.head.size()) {
        lineEnd = request.head.find("\r\n", pos);
        const std::string line = request.head.substr(pos, lineEnd - pos);
        pos = lineEnd + 2;
        const auto colon = line.find(':');
        if (colon == std::string::npos || colon == 0) {
            return Malformed(400, "malformed header line");
        }
        request.headers.emplace_back(line.substr(0, colon), Trim(line.substr(colon + 1)));
    }
    const std::string connection = request.Header("Connection");
    request.keepAlive = request.version == "HTTP/1.1"
                            ? !ContainsTokenNoCase(connection, "close")
                            : ContainsTokenNoCase(connection, "keep-alive");
    return {Status::Ok, 0, {}};
}

HttpRequestReader::Outcome HttpRequestReader::ReadContentLengthBody(HttpRequest& request,
                                                                    const std::string& lengthText) {
    if (lengthText.empty()) {
        return request.method == "POST" ? Malformed(411, "length required")
                                        : Outcome{Status::Ok, 0, {}};
    }
    if (lengthText.size() > 12 || !std::all_of(lengthText.begin(), lengthText.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        })) {
        return Malformed(400, "malformed Content-Length");
    }
    const std::size_t length = std::stoull(lengthText);
    if (length > mLimits.maxBodyBytes) {
        return Malformed(413, "request body too large");
    }
    while (mBuffer.size() < length) {
        if (const Fill fill = FillBuffer(); fill != Fill::Data) {
            return Incomplete(fill, "incomplete request body");
        }
    }
    request.body = mBuffer.substr(0, length);
    mBuffer.erase(0, length);
    return {Status::Ok, 0, {}};
}

bool HttpRequestReader::TakeLine(std::string& line, Outcome& failure) {
    std::size_t end;
    while ((end = mBuffer.find("\r\n")) == std::string::npos) {
        if (mBuffer.size() > mLimits.maxHeaderBytes) {
            failure = Malformed(400, "chunk line too long");
            return false;
        }
        if (const Fill fill = FillBuffer(); fill != Fill::Data) {
            failure = Incomplete(fill, "incomplete chunked body");
            return false;
        }
    }
    line = mBuffer.substr(0, end);
    mBuffer.erase(0, end + 2);
    return true;
}

HttpRequestReader::Outcome HttpRequestReader::ReadChunkedBody(HttpRequest& request) {
    Outcome failure;
    std::string line;
    for (;;) {
        if (!TakeLine(line, failure)) {
            return failure;
        }
        const std::string sizeText = Trim(line.substr(0, line.find(';')));
        if (sizeText.empty() || sizeText.size() > 8 ||
            !std::all_of(sizeText.begin(), sizeText.end(),
                         [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); })) {
            return Malformed(400, "malformed chunk size");
        }
        const std::size_t size = std::stoul(sizeText, nullptr, 16);
        if (size == 0) {
            break;
        }
        if (request.body.size() + size > mLimits.maxBodyBytes) {
            return Malformed(413, "request body too large");
        }
        while (mBuffer.size() < size + 2) {
            if (const Fill fill = FillBuffer(); fill != Fill::Data) {
                return Incomplete(fill, "incomplete chunk");
            }
        }
        if (mBuffer.compare(size, 2, "\r\n") != 0) {
            return Malformed(400, "chunk not followed by CRLF");
        }
        request.body.append(mBuffer, 0, size);
        mBuffer.erase(0, size + 2);
    }
    // Trailer lines up to the blank line; their content is of no use here.
    do {
        if (!TakeLine(line, failure)) {
            return failure;
        }
    } while (!line.empty());
    return {Status::Ok, 0, {}};
}

} // namespace kavelin::device
