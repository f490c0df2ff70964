#include "platform/VisibleText.h"

#include <cstdio>

namespace kavelin::platform {

namespace {

constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kUtf8C1Lead = 0xC2;
constexpr unsigned char kFirstC1Trail = 0x80;
constexpr unsigned char kLastC1Trail = 0x9F;

bool IsControl(unsigned char byte) {
    return (byte < 0x20 && byte != '\t') || byte == kDelete;
}

std::string Escape(unsigned char byte) {
    if (byte == '\r')
        return "\\r";
    if (byte == '\n')
        return "\\n";
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02x", byte);
    return text;
}

// The length of the UTF-8 sequence that `lead` starts; 1 for anything else, so that a stray
// byte passes on its own and a cut never falls inside a sequence.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4)
        length = 4;
    else if (lead >= 0xE0)
        length = lead <= 0xEF ? 3 : 1;
    else if (lead >= 0xC2)
        length = 2;
    if (at + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

} // namespace

std::string VisibleText(std::string_view text, std::size_t limit) {
    std::string visible;
    visible.reserve(text.size() < limit ? text.size() : limit);
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        std::size_t length = 1;
        std::string piece;
        if (IsControl(byte)) {
            piece = Escape(byte);
        } else if (byte == kUtf8C1Lead && at + 1 < text.size() &&
                   static_cast<unsigned char>(text[at + 1]) >= kFirstC1Trail &&
                   static_cast<unsigned char>(text[at + 1]) <= kLastC1Trail) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x",
                          static_cast<unsigned char>(text[at + 1]));
            piece = escaped;
            length = 2;
        } else {
            length = SequenceLength(text, at);
            piece.assign(text.substr(at, length));
        }
        if (limit != std::string::npos && visible.size() + piece.size() > limit)
            return visible + kCutMark;
        visible += piece;
        at += length;
    }
    return visible;
}

} // namespace kavelin::platform
