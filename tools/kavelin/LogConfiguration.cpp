#include "LogConfiguration.h"

namespace kavelin::cli {

namespace {

constexpr char kDefaultRegistryFile[] = "/etc/kavelin/registry.reg";
constexpr char kPlaybackBitLevel[] = "128";
constexpr char kVerboseLevel[] = "5";
constexpr char kVerbosePlaybackLevel[] = "133";

// Inside a quoted .reg string only the backslash and the quote need escaping.
std::string QuotedRegString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::optional<std::string> LogValueFor(bool verbose, bool playback,
                                       const std::string& playbackLogPath) {
    if (verbose)
        return std::string("debug,") + (playback ? kVerbosePlaybackLevel : kVerboseLevel);
    if (playback)
        return "file," + playbackLogPath + "," + kPlaybackBitLevel;
    return std::nullopt;
}

std::string LogRegistryText(const std::string& logValue) {
    return "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\r\n"
           "\"OVCOM.Kavelin\"=" +
           QuotedRegString(logValue) + "\r\n";
}

std::string RegistrySearchList(const char* currentList,
                               const std::vector<std::string>& laterFiles) {
    std::string list =
        currentList != nullptr && *currentList != '\0' ? currentList : kDefaultRegistryFile;
    for (const std::string& file : laterFiles)
        list += ":" + file;
    return list;
}

} // namespace kavelin::cli
