// Arbitrary text as the log's configuration value, as the registry would give it (at most
// 259 characters). A file destination is pointed at a scratch file that already holds a few
// kilobytes of lines, so that opening, writing and the cut at the last close all run.
#include "platform/Logging.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const std::string& ScratchPath() {
    static const std::string path = [] {
        const char* folder = std::getenv("TMPDIR");
        return std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
               "/kavelin-fuzz-log-" + std::to_string(getpid()) + ".log";
    }();
    return path;
}

void RemoveScratch() {
    std::remove(ScratchPath().c_str());
}

void FillScratch() {
    static const std::string lines = [] {
        std::string text;
        for (int i = 0; text.size() < 3000; ++i)
            text += "12/7/26-10:00:00,[1:1/3] OVCOM.Kavelin::line " + std::to_string(i) + "\r\n";
        return text;
    }();
    if (std::FILE* file = std::fopen(ScratchPath().c_str(), "wb")) {
        std::fwrite(lines.data(), 1, lines.size(), file);
        std::fclose(file);
    }
}

bool IsFileWord(const std::string& word) {
    if (word.size() != 4)
        return false;
    for (size_t i = 0; i < 4; ++i)
        if ((word[i] | 0x20) != "file"[i])
            return false;
    return true;
}

// The path field of a "file" value becomes the scratch file; everything else stays.
std::string WithScratchPath(const std::string& value) {
    const size_t first = value.find(',');
    if (first == std::string::npos || !IsFileWord(value.substr(0, first)))
        return value;
    const size_t second = value.find(',', first + 1);
    const std::string rest = second == std::string::npos ? "" : value.substr(second);
    return value.substr(0, first + 1) + ScratchPath() + rest;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool cleanup = std::atexit(RemoveScratch) == 0;
    (void)cleanup;
    std::string value(reinterpret_cast<const char*>(data), size < 259 ? size : 259);
    value = value.substr(0, value.find('\0'));
    const bool toFile = IsFileWord(value.substr(0, value.find(',')));
    value = WithScratchPath(value);
    FillScratch();
    ParseLogConfig(value.c_str());
    // Console and debug lines would only flood the fuzzer's own output.
    if (toFile) {
        KV_LOG(1, "configured from %s", value.c_str());
        KV_LOG(5, "%s|%S|%d", "narrow", u"wide", 5);
    }
    // One value opens the log at most once; the close is the last one, which cuts the file.
    CloseLog();
    return 0;
}
