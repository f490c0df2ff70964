#include "WatchDeliveryFraming.h"

#include <cctype>
#include <optional>

namespace kavelin::cli {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeadEnd = "\r\n\r\n";
// More digits than this is a length no request here may have (the listener's cap is far less).
constexpr std::size_t kMostLengthDigits = 9;

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The value of the first header line named `name` in `head`.
std::optional<std::string_view> Header(std::string_view head, std::string_view name) {
    for (std::size_t at = head.find(kLineEnd); at != std::string_view::npos;) {
        const std::size_t start = at + kLineEnd.size();
        const std::size_t end = head.find(kLineEnd, start);
        const std::string_view line = head.substr(start, end - start);
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos && EqualsNoCase(Trimmed(line.substr(0, colon)), name))
            return Trimmed(line.substr(colon + 1));
        at = end;
    }
    return std::nullopt;
}

// A number in `base` of at most kMostLengthDigits digits; none for anything else.
std::optional<std::size_t> Number(std::string_view text, int base) {
    if (text.empty() || text.size() > kMostLengthDigits)
        return std::nullopt;
    std::size_t value = 0;
    for (const char c : text) {
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                          : base == 16 && std::isxdigit(static_cast<unsigned char>(c))
                              ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                              : -1;
        if (digit < 0)
            return std::nullopt;
        value = value * static_cast<std::size_t>(base) + static_cast<std::size_t>(digit);
    }
    return value;
}

RequestFrame Frame(RequestFrame::State state, std::size_t length = 0) {
    return {state, length, false};
}

// The chunks from `at` on: the length up to the end of the trailer, when all of it is in.
RequestFrame FrameChunks(std::string_view bytes, std::size_t at) {
    for (;;) {
        const std::size_t lineEnd = bytes.find(kLineEnd, at);
        if (lineEnd == std::string_view::npos)
            return Frame(RequestFrame::State::Incomplete);
        std::string_view sizeLine = bytes.substr(at, lineEnd - at);
        sizeLine = Trimmed(sizeLine.substr(0, sizeLine.find(';')));
        const std::optional<std::size_t> size = Number(sizeLine, 16);
        if (!size)
            return Frame(RequestFrame::State::Malformed);
        at = lineEnd + kLineEnd.size();
        if (*size == 0)
            break;
        if (bytes.size() < at + *size + kLineEnd.size())
            return Frame(RequestFrame::State::Incomplete);
        if (bytes.substr(at + *size, kLineEnd.size()) != kLineEnd)
            return Frame(RequestFrame::State::Malformed);
        at += *size + kLineEnd.size();
    }
    // Trailer lines up to an empty one.
    for (;;) {
        const std::size_t lineEnd = bytes.find(kLineEnd, at);
        if (lineEnd == std::string_view::npos)
            return Frame(RequestFrame::State::Incomplete);
        const bool last = lineEnd == at;
        at = lineEnd + kLineEnd.size();
        if (last)
            return Frame(RequestFrame::State::Whole, at);
    }
}

} // namespace

RequestFrame FrameRequest(std::string_view bytes) {
    const std::size_t headEnd = bytes.find(kHeadEnd);
    if (headEnd == std::string_view::npos)
        return Frame(RequestFrame::State::Incomplete);
    const std::string_view head = bytes.substr(0, headEnd + kLineEnd.size());
    const std::size_t bodyStart = headEnd + kHeadEnd.size();
    // Without either header a request has no body.
    RequestFrame frame = Frame(RequestFrame::State::Whole, bodyStart);
    if (const auto coding = Header(head, "Transfer-Encoding")) {
        if (!EqualsNoCase(*coding, "chunked"))
            return Frame(RequestFrame::State::Malformed);
        frame = FrameChunks(bytes, bodyStart);
    } else if (const auto length = Header(head, "Content-Length")) {
        const std::optional<std::size_t> bodyLength = Number(*length, 10);
        if (!bodyLength)
            return Frame(RequestFrame::State::Malformed);
        frame = bytes.size() - bodyStart >= *bodyLength
                    ? Frame(RequestFrame::State::Whole, bodyStart + *bodyLength)
                    : Frame(RequestFrame::State::Incomplete);
    }
    if (frame.state == RequestFrame::State::Incomplete) {
        const auto expect = Header(head, "Expect");
        frame.awaitsContinue = expect && EqualsNoCase(*expect, "100-continue");
    }
    return frame;
}

} // namespace kavelin::cli
