#include "platform/Logging.h"

#include "os/kernel/DiagnosticOutput.h"
#include "os/kernel/File.h"
#include "os/kernel/LastError.h"
#include "os/kernel/LocalTime.h"
#include "os/kernel/NamedMutex.h"
#include "os/kernel/ProcessInfo.h"
#include "os/registry/Registry.h"
#include "os/text/AsciiCase.h"
#include "platform/LoggingFormatter.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace kavelin::logging_detail {
uint8_t gCurrentLevel = 0;
} // namespace kavelin::logging_detail

namespace {

constexpr const char* kConfigurationKey = "SOFTWARE\\Orvanta\\Plotara";
constexpr const char* kConfigurationValue = "Logging-Infra";
constexpr size_t kConfigurationSize = 260;
constexpr size_t kComponentNameSize = 260;
constexpr size_t kLineSize = 1152;
constexpr size_t kFormatLimit = 512;
constexpr size_t kMutexNameSize = 520;
constexpr uint32_t kWriteWaitMs = 500;
constexpr uint32_t kCloseWaitMs = 1000;
constexpr uint32_t kTrimChunk = 260;
constexpr const char* kMutexPrefix = "ORVANTA_KTR_LOGGING_MUTEX-";
constexpr const char* kLongFormatWarning = "WARNING!!! LogMessage() format string > 512 chars:";

// Module state. Plain pointers on purpose: the state must still be valid when the unload
// hook runs, which can be after static destructors of this library.
std::atomic<int32_t> gDestination{Off};
std::atomic<int32_t> gStartCount{0};
kavelin::os::File* gFile = nullptr;
kavelin::os::NamedMutex* gMutex = nullptr;
uint32_t gSizeLimitKb = 0;
char gComponentName[kComponentNameSize] = "";

bool IsFileDestination(int32_t destination) {
    return destination == File || destination == FileWithLimit;
}

void SetLevel(uint8_t level) {
    kavelin::logging_detail::gCurrentLevel = level;
}

void RefuseOpen() {
    gDestination = Off;
    SetLevel(0);
}

// Everyone logging to one path meets at one mutex, whatever the case or punctuation of the
// path they were given.
void BuildMutexName(const char* path, char (&name)[kMutexNameSize]) {
    std::snprintf(name, sizeof(name), "%s%s", kMutexPrefix, path);
    for (char* c = name; *c != '\0'; ++c) {
        const unsigned char u = static_cast<unsigned char>(*c);
        if (u >= 'A' && u <= 'Z')
            *c = kavelin::os::AsciiLower(*c);
        else if (!((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
                   std::strchr("_-#.~()[]{}", u) != nullptr))
            *c = '_';
    }
}

bool ReadValue(const kavelin::os::RegistryKey& key, std::string_view name,
               char (&value)[kConfigurationSize]) {
    uint32_t size = sizeof(value);
    if (key.QueryValue(name, nullptr, reinterpret_cast<uint8_t*>(value), &size) !=
        kavelin::os::kErrorSuccess)
        return false;
    value[std::min<size_t>(size, sizeof(value) - 1)] = '\0';
    return true;
}

// The component's own value under the Logging-Infra key, else that key's default, else the
// shared Logging-Infra value of the product key.
bool ReadConfiguration(const char* componentName, char (&value)[kConfigurationSize]) {
    const std::string ownKey = std::string(kConfigurationKey) + "\\" + kConfigurationValue;
    if (const auto key = kavelin::os::RegistryKey::OpenLocalMachine(ownKey))
        return ReadValue(*key, componentName, value) || ReadValue(*key, "", value);
    if (const auto key = kavelin::os::RegistryKey::OpenLocalMachine(kConfigurationKey))
        return ReadValue(*key, kConfigurationValue, value);
    return false;
}

uint8_t LevelOf(const char* text) {
    return static_cast<uint8_t>(std::atol(text));
}

// Kilobytes read as atol reads them, held inside the 32-bit field instead of wrapping: a
// larger limit must not become a small one that cuts the log.
uint32_t SizeLimitOf(const char* text) {
    const long long kilobytes = std::strtoll(text, nullptr, 10);
    return static_cast<uint32_t>(std::clamp<long long>(kilobytes, 0, UINT32_MAX));
}

void AppendFilePrefix(kavelin::logging_detail::LineBuffer& line, uint8_t level) {
    char stamp[32];
    const size_t length =
        kavelin::os::FormatLogTimestamp(kavelin::os::CurrentLocalDateTime(), stamp, sizeof(stamp));
    line.Append(stamp, length);
    char ids[64];
    const int written =
        std::snprintf(ids, sizeof(ids), ",[%u:%u/%u] ", kavelin::os::CurrentProcessId(),
                      kavelin::os::CurrentThreadId(), static_cast<unsigned>(level));
    if (written > 0)
        line.Append(ids, std::min(static_cast<size_t>(written), sizeof(ids) - 1));
}

void WriteToFile(const char* line, size_t size) {
    kavelin::os::File* file = gFile;
    kavelin::os::NamedMutex* mutex = gMutex;
    if (file == nullptr || mutex == nullptr)
        return;
    if (!kavelin::os::Owns(mutex->Wait(kWriteWaitMs)))
        return;
    // The file appends, so the end is found by the write itself: one system call per line.
    const bool written = file->Append(line, size);
    mutex->Release();
    if (!written) {
        // The file is gone for this run; the line itself still reaches the debugger.
        gDestination = Debug;
        kavelin::os::WriteDebugText(line, size);
    }
}

} // namespace

uint8_t StartLogging(const char* componentName) {
    const char* name = componentName != nullptr ? componentName : "";
    char value[kConfigurationSize] = {};
    if (!ReadConfiguration(name, value))
        return 0;
    ParseLogConfig(value);
    std::snprintf(gComponentName, sizeof(gComponentName), "%s", name);
    if (gStartCount == 1 && LogEnabled(4))
        Log(4, " ---Start Logging---");
    return CurrentLogLevel();
}

void StopLogging() {
    if (gStartCount == 1 && LogEnabled(4))
        Log(4, " ---End Logging---");
    CloseLog();
}

uint8_t OpenLog(uint8_t level, LogDestination destination, const char* filePath,
                uint32_t sizeLimitKb) {
    const int32_t current = gDestination;
    if (current != Off) {
        if (current != destination)
            return 0;
        ++gStartCount;
        return CurrentLogLevel();
    }
    if (destination == Off)
        return 0;
    SetLevel(level);
    gDestination = destination;
    if (!IsFileDestination(destination)) {
        ++gStartCount;
        return level;
    }
    gSizeLimitKb = destination == FileWithLimit ? sizeLimitKb : 0;
    if (filePath != nullptr) {
        if (auto file = kavelin::os::File::OpenOrCreate(filePath))
            gFile = new kavelin::os::File(std::move(*file));
    }
    if (gFile == nullptr) {
        RefuseOpen();
        return 0;
    }
    char mutexName[kMutexNameSize];
    BuildMutexName(filePath, mutexName);
    gFile->SeekToEnd();
    gMutex = kavelin::os::NamedMutex::OpenOrCreate(mutexName).release();
    if (gMutex == nullptr) {
        char message[kMutexNameSize + 64];
        const int length =
            std::snprintf(message, sizeof(message),
                          "Orvanta Logging - unable to create mutex!!! \t--> %s\n", mutexName);
        if (length > 0)
            kavelin::os::WriteDebugText(message,
                                        std::min(static_cast<size_t>(length), sizeof(message) - 1));
        delete gFile;
        gFile = nullptr;
        RefuseOpen();
        return 0;
    }
    ++gStartCount;
    return CurrentLogLevel();
}

void CloseLog() {
    int32_t count = gStartCount;
    do {
        if (count <= 0)
            return;
    } while (!gStartCount.compare_exchange_weak(count, count - 1));
    if (count != 1)
        return;
    if (gFile != nullptr && gMutex != nullptr && kavelin::os::Owns(gMutex->Wait(kCloseWaitMs))) {
        TrimLogFile(gSizeLimitKb);
        gMutex->Release();
    }
    // Closed before the handles go, so other threads stop writing to them.
    gDestination = Off;
    SetLevel(0);
    gSizeLimitKb = 0;
    delete gFile;
    gFile = nullptr;
    delete gMutex;
    gMutex = nullptr;
}

void Log(uint8_t level, const char* format, ...) {
    if (level > CurrentLogLevel())
        return;
    va_list args;
    va_start(args, format);
    LogMessage(level, format, args);
    va_end(args);
}

void LogMessage(uint8_t level, const char* format, va_list args) {
    if (level > CurrentLogLevel() || format == nullptr)
        return;
    kavelin::os::PreservedLastError preserved;
    const int32_t destination = gDestination;
    if (destination == Off)
        return;

    // Room for the CR LF and the terminator stays reserved, so a cut line still ends whole.
    char storage[kLineSize];
    kavelin::logging_detail::LineBuffer line(storage, kLineSize - 3);
    if (IsFileDestination(destination))
        AppendFilePrefix(line, level);
    line.Append(gComponentName, strnlen(gComponentName, sizeof(gComponentName)));
    line.Append("::", 2);

    size_t formatLength = std::strlen(format);
    if (formatLength >= kFormatLimit) {
        line.Append(kLongFormatWarning, std::strlen(kLongFormatWarning));
        formatLength = kFormatLimit - 1;
    }
    // Each string argument gets an equal share of what the format leaves of the line.
    const size_t strings =
        kavelin::logging_detail::CountBareStringConversions(format, formatLength);
    const long stringLimit =
        strings == 0 ? -1
                     : static_cast<long>(((kFormatLimit - strings) * 2 - formatLength) / strings);
    kavelin::logging_detail::FormatMessage(line, format, formatLength, stringLimit, args);

    size_t size = line.Size();
    if (size == 0 || storage[size - 1] != '\n') {
        storage[size++] = '\r';
        storage[size++] = '\n';
        storage[size] = '\0';
    }

    if (destination == Console)
        kavelin::os::WriteConsoleText(storage, size);
    else if (IsFileDestination(destination))
        WriteToFile(storage, size);
    else
        kavelin::os::WriteDebugText(storage, size);
}

void ParseLogConfig(const char* value) {
    if (value == nullptr)
        return;
    const std::string_view text = value;
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return;
    const std::string_view word = text.substr(0, comma);
    // Suffixes of `value`, so each stays terminated for atol, which stops at the next comma.
    const char* rest = value + comma + 1;
    if (kavelin::os::EqualsIgnoringAsciiCase(word, "console")) {
        OpenLog(LevelOf(rest), Console, nullptr, 0);
    } else if (kavelin::os::EqualsIgnoringAsciiCase(word, "debug")) {
        OpenLog(LevelOf(rest), Debug, nullptr, 0);
    } else if (kavelin::os::EqualsIgnoringAsciiCase(word, "file")) {
        const char* pathEnd = std::strchr(rest, ',');
        if (pathEnd == nullptr || pathEnd[1] == '\0')
            return;
        const std::string path(rest, pathEnd);
        const char* afterPath = pathEnd + 1;
        if (const char* levelField = std::strchr(afterPath, ','))
            OpenLog(LevelOf(levelField + 1), FileWithLimit, path.c_str(), SizeLimitOf(afterPath));
        else
            OpenLog(LevelOf(afterPath), File, path.c_str(), 0);
    }
}

void TrimLogFile(uint32_t sizeLimitKb) {
    // The regular file that was opened, through its handle: never what stands at the path now.
    kavelin::os::File* file = gFile;
    if (file == nullptr || sizeLimitKb == 0 || sizeLimitKb >= 1024)
        return;
    const uint64_t keep = static_cast<uint64_t>(sizeLimitKb) * 1024;
    const auto size = file->Size();
    if (!size || *size <= keep || !file->LockRange(0, *size))
        return;
    // Lines from other threads go to the debugger while the file is rewritten.
    ++gStartCount;
    const int32_t destination = gDestination.exchange(Debug);

    char chunk[kTrimChunk];
    uint64_t readPosition = *size - keep;
    // The kept part starts on a whole line: after the first line feed of the last k KB.
    while (true) {
        const auto got = file->ReadAt(readPosition, chunk, sizeof(chunk));
        if (!got || *got == 0)
            break;
        if (const void* feed = std::memchr(chunk, '\n', *got)) {
            readPosition += static_cast<uint64_t>(static_cast<const char*>(feed) - chunk) + 1;
            break;
        }
        readPosition += *got;
    }
    uint64_t writePosition = 0;
    while (true) {
        const auto got = file->ReadAt(readPosition, chunk, sizeof(chunk));
        if (!got || *got == 0 || !file->WriteAt(writePosition, chunk, *got))
            break;
        readPosition += *got;
        writePosition += *got;
    }
    file->Truncate(writePosition);
    file->UnlockRange(0, *size);

    gDestination = destination;
    --gStartCount;
}
