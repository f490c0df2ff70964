#include "TimeLimitSettings.h"

#include <charconv>
#include <cstdint>

#include "os/registry/Registry.h"

namespace kavelin::cli {

namespace {

constexpr char kProductKey[] = "SOFTWARE\\Orvanta\\Plotara";

struct NumberSetting {
    const char* name;
    std::uint64_t most; // the library's bounds: a day, and a terabyte for an answer
};

constexpr NumberSetting kNumberSettings[] = {
    {"ConnectTimeout", 86400},
    {"IOTimeout", 86400},
    {"TransferTimeout", 86400},
    {"MaxAnswerSize", std::uint64_t{1} << 40},
};

std::string Line(const char* name, long seconds) {
    return std::string("\"") + name + "\"=\"" + std::to_string(seconds) + "\"\r\n";
}

bool InRange(const std::string& text, std::uint64_t most) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value > 0 && value <= most;
}

std::optional<std::string> Problem(const NumberSetting& setting, const os::RegistryValue& value) {
    const std::string name = std::string("\"") + setting.name + "\"";
    const std::string ignored = "kavelin: warning: the registry value " + name;
    if (value.type == os::RegDword && value.data.size() == 4) {
        const std::uint32_t number = value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                                     static_cast<std::uint32_t>(value.data[3]) << 24;
        return ignored + " is a dword, which the library ignores: write it as a string, " + name +
               "=\"" + std::to_string(number) + "\"";
    }
    if (value.type != os::RegSz && value.type != os::RegExpandSz)
        return ignored + " is not a string, which the library ignores: write it as " + name +
               "=\"N\"";
    std::string text(value.data.begin(), value.data.end());
    text = text.substr(0, text.find('\0'));
    if (InRange(text, setting.most))
        return std::nullopt;
    return ignored + " is not a whole number from 1 to " + std::to_string(setting.most) +
           "; the library keeps its default";
}

} // namespace

std::optional<std::string> TimeLimitRegistryText(std::optional<long> waitSeconds,
                                                 std::optional<long> answerSeconds) {
    if (!waitSeconds && !answerSeconds)
        return std::nullopt;
    std::string text =
        std::string("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\") +
        kProductKey + "]\r\n";
    if (waitSeconds)
        text += Line("ConnectTimeout", *waitSeconds) + Line("IOTimeout", *waitSeconds);
    if (answerSeconds)
        text += Line("TransferTimeout", *answerSeconds);
    return text;
}

std::vector<std::string> IgnoredLimitSettings() {
    std::vector<std::string> warnings;
    const std::optional<os::RegistryKey> key = os::RegistryKey::OpenLocalMachine(kProductKey);
    for (const NumberSetting& setting : kNumberSettings) {
        const std::optional<os::RegistryValue> value =
            key ? key->Value(setting.name) : std::nullopt;
        if (value) {
            if (std::optional<std::string> problem = Problem(setting, *value))
                warnings.push_back(std::move(*problem));
        }
    }
    return warnings;
}

} // namespace kavelin::cli
