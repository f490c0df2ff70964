#include "WatchEvent.h"

#include <cstdio>
#include <ctime>

#include "JsonText.h"
#include "platform/VisibleText.h"

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
