#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "platform/Logging.h"
#include "support/ScratchPath.h"

namespace kavelin_test {

LogCapture::LogCapture(uint8_t level) : mPath(ScratchPath("kavelin-log", ".log")), mOwnsLog(true) {
    EXPECT_EQ(OpenLog(level, File, mPath.c_str(), 0), level);
}

LogCapture::LogCapture(std::string path) : mPath(std::move(path)), mStart(FileText(mPath).size()) {}

LogCapture::~LogCapture() {
    if (mOwnsLog) {
        CloseLog();
        std::remove(mPath.c_str());
    }
}

std::string LogCapture::Text() const {
    const std::string all = FileText(mPath);
    return all.size() > mStart ? all.substr(mStart) : std::string();
}

// A line reads "M/d/yy-HH:mm:ss,[pid:tid/level] Component::text".
LogLines LogCapture::Lines() const {
    LogLines lines;
    std::istringstream text(Text());
    for (std::string line; std::getline(text, line);) {
        const size_t close = line.find("] ");
        const size_t slash = line.rfind('/', close);
        const size_t body = line.find("::", close);
        if (close == std::string::npos || slash == std::string::npos || body == std::string::npos)
            continue;
        std::string rest = line.substr(body + 2);
        if (!rest.empty() && rest.back() == '\r')
            rest.pop_back();
        lines.emplace_back(std::stoi(line.substr(slash + 1, close - slash - 1)), rest);
    }
    return lines;
}

int LogCapture::Count(int level, const std::string& text) const {
    const LogLines lines = Lines();
    return static_cast<int>(std::count(lines.begin(), lines.end(), std::pair(level, text)));
}

} // namespace kavelin_test
