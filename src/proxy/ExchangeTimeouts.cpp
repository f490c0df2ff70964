#include "proxy/ExchangeTimeouts.h"

#include <charconv>
#include <optional>
#include <string>

#include "os/registry/Registry.h"

namespace kavelin::proxy {

namespace {
constexpr char kConfigurationKey[] = "SOFTWARE\\Orvanta\\Plotara";
// A day: longer waits are configuration mistakes, and the engine's arithmetic stays in range.
constexpr int kLongestSeconds = 24 * 60 * 60;
// A terabyte: no answer of a device comes near it.
constexpr uint64_t kLargestAnswerBytes = 1ull << 40;

template <typename Number>
Number ReadPositive(const char* valueName, Number fallback, Number most) {
    const std::optional<std::string> text = os::ReadRegistryString(kConfigurationKey, valueName);
    if (!text)
        return fallback;
    Number value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end || value <= 0 || value > most)
        return fallback;
    return value;
}

int ReadSeconds(const char* valueName, int fallback) {
    return ReadPositive(valueName, fallback, kLongestSeconds);
}
} // namespace

ExchangeTimeouts ReadExchangeTimeouts() {
    ExchangeTimeouts timeouts;
    timeouts.connectSeconds =
        ReadSeconds("ConnectTimeout", ExchangeTimeouts::kDefaultConnectSeconds);
    timeouts.ioSeconds = ReadSeconds("IOTimeout", ExchangeTimeouts::kDefaultIoSeconds);
    timeouts.transferSeconds =
        ReadSeconds("TransferTimeout", ExchangeTimeouts::kDefaultTransferSeconds);
    timeouts.maxAnswerBytes = ReadPositive<uint64_t>(
        "MaxAnswerSize", ExchangeTimeouts::kDefaultMaxAnswerBytes, kLargestAnswerBytes);
    return timeouts;
}

} // namespace kavelin::proxy
