#include "WatchEvent.h"

#include <cstdio>
#include <ctime>

namespace kavelin::cli {

namespace {

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

bool NeedsQuotes(const std::string& value) {
    if (value.empty())
        return true;
    for (const char c : value) {
        if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == '\\')
            return true;
    }
    return false;
}

std::string LineValue(const std::string& value) {
    if (!NeedsQuotes(value))
        return value;
    std::string quoted = "\"";
    for (const char c : value) {
        switch (c) {
        case '"':
        case '\\':
            quoted += '\\';
            quoted += c;
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string JsonString(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
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
            if (static_cast<unsigned char>(c) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                json += escape;
            } else {
                json += c;
            }
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
