#include "proxy/ExchangeTimeouts.h"

#include <charconv>
#include <optional>
#include <string>

#include "os/Registry.h"

namespace kavelin::proxy {

namespace {
constexpr char kConfigurationKey[] = "SOFTWARE\\Orvanta\\Plotara";
// A day: longer waits are configuration mistakes, and the engine's arithmetic stays in range.
constexpr int kLongestSeconds = 24 * 60 * 60;

int ReadSeconds(const char* valueName, int fallback) {
    const std::optional<std::string> text = os::ReadRegistryString(kConfigurationKey, valueName);
    if (!text)
        return fallback;
    int seconds = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, seconds);
    if (error != std::errc() || stop != end || seconds <= 0 || seconds > kLongestSeconds)
        return fallback;
    return seconds;
}
} // namespace

ExchangeTimeouts ReadExchangeTimeouts() {
    ExchangeTimeouts timeouts;
    timeouts.connectSeconds =
        ReadSeconds("ConnectTimeout", ExchangeTimeouts::kDefaultConnectSeconds);
    timeouts.ioSeconds = ReadSeconds("IOTimeout", ExchangeTimeouts::kDefaultIoSeconds);
    return timeouts;
}

} // namespace kavelin::proxy
