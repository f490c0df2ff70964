#include "WatchEvent.h"

#include <cstdio>
#include <ctime>

#include "platform/VisibleText.h"

namespace kavelin::cli {

namespace {

constexpr char kDelete = 0x7F;
constexpr unsigned char kC1Lead = 0xC2;

std::string UtcMilliseconds(std::chrono::system_clock::time_point when) {
    const auto sinceEpoch = when.time_since_epoch();
    const std::time_t seconds =
        std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch).count();
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[40];
    const size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &parts);
    std::snprintf(text + length, sizeof text - length, ".%03dZ", static_cast<int>(millis));
    return text;
}

// Quotes and backslashes escaped, then every control character made visible (VisibleText),
// so that a value can neither drive the terminal nor break the line.
std::string LineValue(const std::string& value) {
    std::string escaped;
    for (const char c : value) {
        if (c == '"' || c == '\\')
            escaped += '\\';
        if (c == '\t')
            escaped += "\\t";
        else
            escaped += c;
    }
    const std::string visible = platform::VisibleText(escaped);
    if (!value.empty() && visible == value && value.find(' ') == std::string::npos)
        return value;
    return '"' + visible + '"';
}

std::string UnicodeEscape(unsigned code) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", code);
    return escape;
}

// What JSON requires escaped, and DEL and the C1 controls besides (U+0080 to U+009F, two
// bytes in UTF-8), which a terminal would act on.
std::string JsonString(const std::string& text) {
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

} // namespace

std::string EventLine(const WatchEvent& event) {
    std::string line = UtcMilliseconds(event.received);
    line += ' ';
    line += event.name.empty() ? "-" : LineValue(event.name);
    line += ' ';
    line += event.subscription.empty() ? "-" : LineValue(event.subscription);
    for (const auto& [name, value] : event.properties)
        line += ' ' + name + '=' + LineValue(value);
    return line;
}

std::string EventJson(const WatchEvent& event) {
    std::string json = "{\"received\":" + JsonString(UtcMilliseconds(event.received));
    json += ",\"event\":" + JsonString(event.name);
    json += ",\"subscription\":" + JsonString(event.subscription);
    json += ",\"properties\":{";
    const char* separator = "";
    for (const auto& [name, value] : event.properties) {
        json += separator + JsonString(name) + ':' + JsonString(value);
        separator = ",";
    }
    return json + "}}";
}

} // namespace kavelin::cli
