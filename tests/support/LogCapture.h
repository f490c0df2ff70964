#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kavelin_test {

// (level, text after the component name) of each log line.
using LogLines = std::vector<std::pair<int, std::string>>;

// The lines the library logs to a file while the capture lives. Either the capture opens the
// log on a file of its own, or it follows a file the process's log already writes to.
class LogCapture {
public:
    // The log at `level` (which may carry the playback bit, 0x80) on a new file, closed again
    // when the capture ends.
    explicit LogCapture(uint8_t level);
    // What is written to `path` from now on; the log stays as it is.
    static LogCapture Following(const std::string& path) { return LogCapture(path); }
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // The bytes written since the capture began.
    std::string Text() const;
    LogLines Lines() const;
    // How many lines carry exactly `text` at `level`.
    int Count(int level, const std::string& text) const;

private:
    explicit LogCapture(std::string path);

    std::string mPath;
    std::size_t mStart = 0;
    bool mOwnsLog = false;
};

} // namespace kavelin_test
