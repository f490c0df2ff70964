#pragma once

#include <cstdarg>
#include <cstdint>

// The library's one diagnostic channel: configured once at load from the registry, shared
// between modules and processes through one file guarded by a named mutex.

enum LogDestination : int32_t {
    Off = 0,
    Console = 1,
    Debug = 2,
    File = 4,
    FileWithLimit = 8,
};

uint8_t StartLogging(const char* componentName);
void StopLogging();
uint8_t OpenLog(uint8_t level, LogDestination destination, const char* filePath,
                uint32_t sizeLimitKb);
void CloseLog();
// "%s" takes a narrow (UTF-8) string, "%S" a wide (UTF-16, char16_t) one.
void Log(uint8_t level, const char* format, ...);
void LogMessage(uint8_t level, const char* format, va_list args);
void ParseLogConfig(const char* value);
void TrimLogFile(uint32_t sizeLimitKb);

namespace kavelin::logging_detail {
extern uint8_t gCurrentLevel;
} // namespace kavelin::logging_detail

// The configured level byte, bit 7 included (the playback bit).
inline uint8_t CurrentLogLevel() {
    return kavelin::logging_detail::gCurrentLevel;
}
inline bool LogEnabled(uint8_t level) {
    return CurrentLogLevel() >= level;
}
inline bool PlaybackEnabled() {
    return (CurrentLogLevel() & 0x80) != 0;
}

// Every call site goes through this: one byte comparison, and the arguments are evaluated
// only when the line will be written.
#define KV_LOG(level, ...)                                                                         \
    do {                                                                                           \
        if (::LogEnabled(level))                                                                   \
            ::Log((level), __VA_ARGS__);                                                           \
    } while (0)
