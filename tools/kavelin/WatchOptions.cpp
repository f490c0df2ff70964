#include "WatchOptions.h"

#include <charconv>

#include "UsageError.h"

namespace kavelin::cli {

namespace {

constexpr long kMostEvents = 1000000;
constexpr double kLongestWatch = 7 * 24 * 3600;

template <typename Number> bool ReadWhole(const std::string& text, Number* value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, *value);
    return !text.empty() && error == std::errc() && stop == end;
}

// Four decimal parts from 0 to 255 without leading zeros, as the socket layer reads an IPv4
// address.
bool IsDottedIPv4(const std::string& text) {
    size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const size_t end = part < 3 ? text.find('.', start) : text.size();
        if (end == std::string::npos)
            return false;
        const std::string digits = text.substr(start, end - start);
        unsigned value = 0;
        if (!ReadWhole(digits, &value) || value > 255 || digits.size() > 3 ||
            (digits.size() > 1 && digits[0] == '0'))
            return false;
        start = end + 1;
    }
    return true;
}

[[noreturn]] void Fail(const std::string& message) {
    throw UsageError(message, Command::Watch);
}

} // namespace

void ReadListenAddress(const std::string& text, std::string* address, std::uint16_t* port) {
    const size_t colon = text.find(':');
    const std::string host = text.substr(0, colon);
    if (!IsDottedIPv4(host))
        Fail("--listen needs a dotted IPv4 address, optionally with :PORT, got '" + text + "'");
    unsigned number = 0;
    if (colon != std::string::npos &&
        (!ReadWhole(text.substr(colon + 1), &number) || number > 65535))
        Fail("--listen needs a port from 0 to 65535, got '" + text + "'");
    *address = host;
    *port = static_cast<std::uint16_t>(number);
}

long ReadWatchCount(const std::string& text) {
    long count = 0;
    if (!ReadWhole(text, &count) || count < 1 || count > kMostEvents)
        Fail("--count needs a whole number from 1 to " + std::to_string(kMostEvents));
    return count;
}

double ReadWatchSeconds(const std::string& option, const std::string& text) {
    double seconds = 0;
    if (!ReadWhole(text, &seconds) || !(seconds > 0) || seconds > kLongestWatch)
        Fail(option + " needs seconds, more than 0 and at most a week, got '" + text + "'");
    return seconds;
}

} // namespace kavelin::cli
