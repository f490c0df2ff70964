#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Reads HTTP/1.1 requests off one connection: Content-Length and chunked bodies, bounded
// header and body sizes, bounded waits. Bytes past one request stay for the next one.
namespace kavelin::device {

struct HttpRequest {
    std::string head; // request line and header lines with their CRLFs, blank line excluded
    std::string method;
    std::string target;
    std::string version;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    bool keepAlive = true;

    // Value of the first header of that name (case-insensitive); empty when absent.
    std::string Header(const std::string& name) const;
};

struct HttpLimits {
    std::size_t maxHeaderBytes = 16 * 1024;
    std::size_t maxBodyBytes = 4 * 1024 * 1024;
    std::chrono::milliseconds idleTimeout{10000};
    // A request must arrive whole within this long of its first byte, however it trickles.
    std::chrono::milliseconds requestTimeout{10000};
};

class HttpRequestReader {
public:
    enum class Status {
        Ok,
        Closed,   // peer closed, idle timeout or stop, before a request began
        Malformed // a broken or oversized request; answer with `httpStatus` and close
    };
    struct Outcome {
        Status status = Status::Closed;
        int httpStatus = 0;
        std::string reason;
    };

    HttpRequestReader(int fd, HttpLimits limits, const std::atomic<bool>& stop);
    Outcome Next(HttpRequest& request);

private:
    enum class Fill { Data, Closed, Timeout, Late, Stopped };
    Fill FillBuffer();
    // A broken request: 408 when the deadline of the request ran out, else 400 with `what`.
    Outcome Incomplete(Fill fill, const char* what) const;
    Outcome ReadHead(HttpRequest& request);
    Outcome ReadContentLengthBody(HttpRequest& request, const std::string& lengthText);
    Outcome ReadChunkedBody(HttpRequest& request);
    // Takes one CRLF-terminated line from the buffer, reading more as needed.
    bool TakeLine(std::string& line, Outcome& failure);

    int mFd;
    HttpLimits mLimits;
    const std::atomic<bool>& mStop;
    std::string mBuffer;
    // When the request being read must be in; none before its first byte.
    std::optional<std::chrono::steady_clock::time_point> mDeadline;
};

} // namespace kavelin::device
