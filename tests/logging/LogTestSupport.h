#pragma once

#include "os/ForkedChild.h"
#include "os/kernel/NamedMutex.h"
#include "platform/Logging.h"
#include "support/ChildProcess.h"
#include "support/RegistryFile.h"
#include "support/ScratchPath.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <poll.h>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

// The text after a file line's "M/d/yy-HH:mm:ss,[pid:tid/level] " prefix, when the line has
// that prefix with the given level; the process id too when `pid` is not zero.
inline std::optional<std::string> AfterFilePrefix(const std::string& line, unsigned level,
                                                  unsigned pid = 0) {
    const std::regex prefix(R"(\d{1,2}/\d{1,2}/\d\d-\d\d:\d\d:\d\d,\[)" +
                            (pid != 0 ? std::to_string(pid) : "\\d+") + ":\\d+/" +
                            std::to_string(level) + "\\] ");
    std::smatch match;
    if (!std::regex_search(line, match, prefix, std::regex_constants::match_continuous))
        return std::nullopt;
    return match.suffix().str();
}

// A log file's text line by line, each without its LF (a CR stays).
inline std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The name every process gives the mutex of the log file at `path`.
inline std::string LogMutexName(const std::string& path) {
    std::string name = "orvanta_ktr_logging_mutex-" + path;
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!std::isalnum(static_cast<unsigned char>(c)) &&
            std::string_view("_-#.~()[]{}").find(c) == std::string_view::npos)
            c = '_';
    }
    return name;
}

// The shared-memory object behind that mutex (one per user).
inline std::string LogMutexObject(const std::string& path) {
    return "/dev/shm/kavelin-mutex." + std::to_string(geteuid()) + "." + LogMutexName(path);
}

// Runs `body` in a forked child whose `fd` (standard output or error) goes to a pipe; the child
// exits 0 when `body` returns true. Gives whether it did so within 30 seconds, and what it wrote.
inline std::pair<bool, std::string> InChild(int fd, const std::function<bool()>& body) {
    int out[2];
    if (pipe(out) != 0)
        return {false, ""};
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], fd);
        _exit(body() ? 0 : 1);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    // A child that stays silent for 30 seconds is taken for hung.
    for (pollfd ready{out[0], POLLIN, 0}; poll(&ready, 1, 30000) > 0;) {
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<size_t>(got));
    }
    close(out[0]);
    // The child has closed its end (it has ended) or fell silent; one that lingers is stopped
    // and fails.
    return {kavelin_test::StopChild(child, std::chrono::seconds(30)) == 0, text};
}

// What a neighbour process takes of the log file at `path`, and keeps until it dies: the
// mutex itself, or the lock that guards creating and opening it.
enum LogLock { TheMutex, TheCreationLock };
inline bool TakeLogLock(const std::string& path, LogLock lock) {
    // Left open, so held until the process dies.
    kavelin::os::NamedMutex* mutex =
        kavelin::os::NamedMutex::OpenOrCreate(LogMutexName(path)).release();
    if (mutex == nullptr)
        return false;
    if (lock == TheMutex)
        return kavelin::os::Owns(mutex->Wait(1000));
    const int object = open(LogMutexObject(path).c_str(), O_RDONLY);
    return object >= 0 && flock(object, LOCK_EX) == 0;
}

// A scratch folder per test and a log that is closed again whatever the test left open.
class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Clears the component name an earlier test may have left behind.
        const kavelin_test::ScopedRegistry reset(
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\n@=\"debug,0\"\n");
        StartLogging("");
        CloseFully();
    }
    void TearDown() override { CloseFully(); }

    static void CloseFully() {
        for (int i = 0; i < 16; ++i)
            CloseLog();
    }
    std::string PathOf(const std::string& name) const { return (mDir / name).string(); }
    static std::string Read(const std::string& path) { return kavelin_test::FileText(path); }

    const kavelin_test::ScratchFolder mScratch{"kavelin-log"};
    const std::filesystem::path mDir = mScratch.Path();
};
