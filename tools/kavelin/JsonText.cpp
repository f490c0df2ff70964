#include "JsonText.h"

#include <cstdio>

namespace kavelin::cli {

namespace {

constexpr char kDelete = 0x7F;
constexpr unsigned char kC1Lead = 0xC2;

std::string UnicodeEscape(unsigned code) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", code);
    return escape;
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (static_cast<unsigned char>(c) == kC1Lead && next >= 0x80 && next <= 0x9F) {
            json += UnicodeEscape(next);
            ++i;
            continue;
        }
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == kDelete)
                json += UnicodeEscape(static_cast<unsigned char>(c));
            else
                json += c;
        }
    }
    return json + '"';
}

} // namespace kavelin::cli
