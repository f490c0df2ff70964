#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "os/ProcessInfo.h"
#include "platform/Logging.h"

namespace kavelin_test {

// Sends the log to a file of its own while it lives; Lines() gives what was written as
// (level, text after the component name) pairs.
class LogCapture {
public:
    explicit LogCapture(uint8_t level)
        : mPath(::testing::TempDir() + "log_capture_" + std::to_string(os::CurrentProcessId()) +
                ".log") {
        std::remove(mPath.c_str());
        EXPECT_EQ(OpenLog(level, File, mPath.c_str(), 0), level);
    }
    ~LogCapture() {
        CloseLog();
        std::remove(mPath.c_str());
    }

    std::vector<std::pair<int, std::string>> Lines() const {
        std::vector<std::pair<int, std::string>> lines;
        std::ifstream file(mPath);
        for (std::string line; std::getline(file, line);) {
            const size_t close = line.find("] ");
            const size_t slash = line.rfind('/', close);
            const size_t text = line.find("::", close);
            if (close == std::string::npos || slash == std::string::npos ||
                text == std::string::npos)
                continue;
            std::string body = line.substr(text + 2);
            if (!body.empty() && body.back() == '\r')
                body.pop_back();
            lines.emplace_back(std::stoi(line.substr(slash + 1, close - slash - 1)), body);
        }
        return lines;
    }

private:
    std::string mPath;
};

using LogLines = std::vector<std::pair<int, std::string>>;

} // namespace kavelin_test
