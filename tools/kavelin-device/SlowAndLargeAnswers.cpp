#include "SlowAndLargeAnswers.h"

#include "SocketIo.h"

#include <algorithm>
#include <chrono>
#include <string>

namespace kavelin::device {

namespace {

constexpr std::chrono::milliseconds kSendTimeout{5000};
constexpr std::size_t kPieceBytes = 64 * 1024;

constexpr std::string_view kOpening =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><SOAP-ENV:Envelope "
    "xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\"><SOAP-ENV:Body><Padding>";
constexpr std::string_view kClosing = "</Padding></SOAP-ENV:Body></SOAP-ENV:Envelope>";

} // namespace

bool SendDripped(int fd, std::string_view bytes, const std::atomic<bool>& stop) {
    for (const char& byte : bytes) {
        if (!SendAll(fd, std::string_view(&byte, 1), kSendTimeout, stop) ||
            !SleepUnlessStopped(std::chrono::milliseconds(kDripIntervalMs), stop))
            return false;
    }
    return true;
}

void SendOversizeAnswer(int fd, const std::atomic<bool>& stop) {
    const std::string head = "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\n"
                             "Content-Length: " +
                             std::to_string(kOversizeAnswerBytes) +
                             "\r\nConnection: close\r\n\r\n" + std::string(kOpening);
    if (!SendAll(fd, head, kSendTimeout, stop))
        return;
    const std::string piece(kPieceBytes, 'x');
    std::size_t left = kOversizeAnswerBytes - kOpening.size() - kClosing.size();
    while (left > 0) {
        const std::size_t now = std::min(left, piece.size());
        if (!SendAll(fd, std::string_view(piece).substr(0, now), kSendTimeout, stop))
            return;
        left -= now;
    }
    SendAll(fd, kClosing, kSendTimeout, stop);
}

} // namespace kavelin::device
