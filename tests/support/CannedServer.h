#pragma once

#include <string>
#include <thread>
#include <vector>

namespace kavelin_test {

// A device's successful HTTP answer carrying `envelope`.
inline std::string HttpSoapAnswer(const std::string& envelope) {
    return "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: " +
           std::to_string(envelope.size()) + "\r\n\r\n" + envelope;
}

// A loopback HTTP server for one test: it accepts one connection per canned answer, reads
// one request on it, records the request's bytes, answers with the canned text and closes.
// It stops by itself after its last answer, or when a connection stays silent too long. It
// listens on 127.0.0.1, or on a Unix socket at `unixPath` (removed again when it goes).
class CannedServer {
public:
    explicit CannedServer(std::vector<std::string> answers, std::string unixPath = {});
    ~CannedServer();
    CannedServer(const CannedServer&) = delete;
    CannedServer& operator=(const CannedServer&) = delete;

    // "http://127.0.0.1:<port>" followed by the given path.
    std::string Url(const std::string& path = "/") const;
    // The requests received so far, in order; call after the exchanges are done.
    const std::vector<std::string>& Requests();

private:
    void Serve();

    int mListener = -1;
    int mPort = 0;
    std::string mUnixPath;
    std::vector<std::string> mAnswers;
    std::vector<std::string> mRequests;
    std::thread mThread;
};

// A canned HTTP answer (200 unless told) carrying the given Body content in a SOAP 1.1
// envelope.
std::string SoapAnswer(const std::string& bodyContent, const std::string& httpStatus = "200 OK");

} // namespace kavelin_test
