#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// A deliberately plain HTTP client over a raw socket, so the device's tests share no code
// with the library or with the device itself.
namespace kavelin_test {

struct RawResponse {
    bool complete = false; // a status line, headers and the whole Content-Length body arrived
    int status = 0;
    std::string head;
    std::string body;
};

class RawHttpClient {
public:
    static RawHttpClient Tcp(std::uint16_t port);
    static RawHttpClient Unix(const std::string& path);
    ~RawHttpClient();
    RawHttpClient(RawHttpClient&& other) noexcept; // and so not copyable

    bool Connected() const { return mFd >= 0; }
    bool Send(const std::string& bytes);
    // Reads one response; incomplete when the peer closes or nothing comes in `timeout`.
    RawResponse Read(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    // True when the peer closed the connection within `timeout` (no more bytes).
    bool WaitForClose(std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // POSTs a SOAP envelope to `path` and reads the answer, also after a send that failed
    // because the peer answered early and closed.
    RawResponse Post(const std::string& envelope, const std::string& action = "",
                     const std::string& path = "/BaseService");

private:
    explicit RawHttpClient(int fd) : mFd(fd) {}
    bool Fill(std::chrono::milliseconds timeout);

    int mFd = -1;
    std::string mBuffer;
};

// A request envelope with `body` in the Body and, when `sessionId` is given, a header with
// bsi:SessionID.
std::string Envelope(const std::string& body, const std::string& sessionId = "");

// The text of the first element with that qualified name in `xml`, unescaped; empty if none.
std::string ElementText(const std::string& xml, const std::string& qualifiedName);

} // namespace kavelin_test
