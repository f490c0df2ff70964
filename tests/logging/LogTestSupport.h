#pragma once

#include "platform/Logging.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <unistd.h>

// The text after a file line's "M/d/yy-HH:mm:ss,[pid:tid/level] " prefix, when the line has
// that prefix with the given level; the process id too when `pid` is not zero.
inline std::optional<std::string> AfterFilePrefix(const std::string& line, unsigned level,
                                                  unsigned pid = 0) {
    size_t pos = 0;
    const auto digits = [&](size_t least, size_t most) {
        size_t count = 0;
        while (pos < line.size() && count < most && line[pos] >= '0' && line[pos] <= '9')
            ++pos, ++count;
        return count >= least;
    };
    const auto literal = [&](const std::string& text) {
        if (line.compare(pos, text.size(), text) != 0)
            return false;
        pos += text.size();
        return true;
    };
    const bool stamp = digits(1, 2) && literal("/") && digits(1, 2) && literal("/") &&
                       digits(2, 2) && literal("-") && digits(2, 2) && literal(":") &&
                       digits(2, 2) && literal(":") && digits(2, 2) && literal(",[");
    if (!stamp)
        return std::nullopt;
    if (pid != 0 ? !literal(std::to_string(pid)) : !digits(1, 10))
        return std::nullopt;
    if (!(literal(":") && digits(1, 10) && literal("/" + std::to_string(level) + "] ")))
        return std::nullopt;
    return line.substr(pos);
}

// A scratch folder per test and a log that is closed again whatever the test left open.
class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        mDir = std::filesystem::temp_directory_path() /
               ("kavelin-log-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(mDir);
        // Clears the component name an earlier test may have left behind.
        WriteFile(PathOf("reset.reg"),
                  "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\n"
                  "@=\"debug,0\"\n");
        setenv("KAVELIN_REGISTRY", PathOf("reset.reg").c_str(), 1);
        StartLogging("");
        CloseFully();
        unsetenv("KAVELIN_REGISTRY");
    }
    void TearDown() override {
        CloseFully();
        unsetenv("KAVELIN_REGISTRY");
        std::filesystem::remove_all(mDir);
    }

    static void CloseFully() {
        for (int i = 0; i < 16; ++i)
            CloseLog();
    }
    std::string PathOf(const std::string& name) const { return (mDir / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void WriteFile(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::filesystem::path mDir;
};
