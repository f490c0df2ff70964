#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "platform/Logging.h"

namespace kavelin::testing {

// The library's log written to a fresh file at `level` for the lifetime of the object; the
// level also carries the playback bit (0x80).
class ScopedLog {
public:
    ScopedLog(uint8_t level, const std::string& name)
        : mPath(std::filesystem::temp_directory_path() /
                (name + "-" + std::to_string(::getpid()) + ".log")) {
        std::filesystem::remove(mPath);
        OpenLog(level, File, mPath.c_str(), 0);
    }
    ~ScopedLog() {
        CloseLog();
        std::filesystem::remove(mPath);
    }
    ScopedLog(const ScopedLog&) = delete;
    ScopedLog& operator=(const ScopedLog&) = delete;

    std::string Contents() const {
        std::ifstream in(mPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path mPath;
};

} // namespace kavelin::testing
