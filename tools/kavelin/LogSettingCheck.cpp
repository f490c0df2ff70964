#include "LogSettingCheck.h"

#include <cstdlib>
#include <strings.h>

#include "os/kernel/File.h"
#include "os/kernel/LastError.h"
#include "os/registry/Registry.h"

namespace kavelin::cli {

namespace {

constexpr char kProductKey[] = "SOFTWARE\\Orvanta\\Plotara";
constexpr char kLoggingKey[] = "SOFTWARE\\Orvanta\\Plotara\\Logging-Infra";
constexpr char kSharedValueName[] = "Logging-Infra";
constexpr char kComponentName[] = "OVCOM.Kavelin";

std::optional<std::string> StringValue(const os::RegistryKey& key, const char* name) {
    const std::optional<os::RegistryValue> value = key.Value(name);
    if (!value)
        return std::nullopt;
    std::string text(value->data.begin(), value->data.end());
    return text.substr(0, text.find('\0'));
}

// The value the library reads: its own, else the key's default, else (only without that key)
// the product key's shared one.
std::optional<std::string> EffectiveLogValue() {
    if (const auto key = os::RegistryKey::OpenLocalMachine(kLoggingKey)) {
        if (std::optional<std::string> own = StringValue(*key, kComponentName))
            return own;
        return StringValue(*key, "");
    }
    if (const auto key = os::RegistryKey::OpenLocalMachine(kProductKey))
        return StringValue(*key, kSharedValueName);
    return std::nullopt;
}

bool LevelLogs(const std::string& text) {
    return std::atol(text.c_str()) > 0;
}

} // namespace

std::optional<std::string> LogValueProblem(const std::string& value) {
    const size_t comma = value.find(',');
    const std::string word = value.substr(0, comma);
    const bool console = strcasecmp(word.c_str(), "console") == 0;
    const bool debug = strcasecmp(word.c_str(), "debug") == 0;
    const bool file = strcasecmp(word.c_str(), "file") == 0;
    if (comma == std::string::npos || !(console || debug || file))
        return "it is not console,<level>, debug,<level> or file,<path>,<level>";
    const std::string rest = value.substr(comma + 1);
    if (!file)
        return LevelLogs(rest) ? std::nullopt
                               : std::optional<std::string>("its level is not a number above 0");
    const size_t pathEnd = rest.find(',');
    if (pathEnd == std::string::npos || pathEnd + 1 == rest.size())
        return "a file log needs file,<path>,<level>";
    const std::string afterPath = rest.substr(pathEnd + 1);
    const size_t levelField = afterPath.find(',');
    if (!LevelLogs(levelField == std::string::npos ? afterPath : afterPath.substr(levelField + 1)))
        return "its level is not a number above 0";
    const std::string path = rest.substr(0, pathEnd);
    // Opened as the library opens it, which refuses anything but a regular file at once.
    if (os::File::OpenOrCreate(path))
        return std::nullopt;
    const uint32_t error = os::LastErrorCode();
    if (os::File::NotARegularFile(path))
        return "the file " + path +
               " is not a regular file (a link, device, FIFO or folder is refused)";
    return "the file " + path + " cannot be opened: " + os::LastErrorText(error);
}

std::optional<std::string> LogSettingProblem() {
    const std::optional<std::string> value = EffectiveLogValue();
    if (!value)
        return std::nullopt;
    if (std::optional<std::string> problem = LogValueProblem(*value))
        return "the log setting \"" + *value + "\" leaves the library's log off: " + *problem;
    return std::nullopt;
}

} // namespace kavelin::cli
