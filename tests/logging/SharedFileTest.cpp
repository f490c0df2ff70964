#include "LogTestSupport.h"

#include <cstdio>
#include <set>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <tuple>

extern char** environ;

namespace {

TEST_F(LogTest, ProcessesSharingAFileWriteWholeLinesAndLoseNone) {
    constexpr int kWriters = 3;
    constexpr int kThreads = 2;
    constexpr int kLines = 2500;
    const auto path = PathOf("shared.log");
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        std::vector<std::string> args = {LOG_CHILD_PATH, path, std::to_string(writer),
                                         std::to_string(kThreads), std::to_string(kLines)};
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        pid_t child = 0;
        ASSERT_EQ(posix_spawn(&child, LOG_CHILD_PATH, nullptr, nullptr, argv.data(), environ), 0);
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }

    std::set<std::tuple<int, int, int>> seen;
    std::istringstream in(Read(path));
    size_t bad = 0;
    for (std::string text; std::getline(in, text);) {
        const auto rest = AfterFilePrefix(text, 3);
        int writer = -1;
        int thread = -1;
        int number = -1;
        char tail[64] = "";
        if (!rest ||
            std::sscanf(rest->c_str(), "::child %d thread %d line %d %63s", &writer, &thread,
                        &number, tail) != 4 ||
            *rest != "::child " + std::to_string(writer) + " thread " + std::to_string(thread) +
                         " line " + std::to_string(number) +
                         " padding-padding-padding-padding-padding\r") {
            ++bad;
            continue;
        }
        seen.emplace(writer, thread, number);
    }
    EXPECT_EQ(bad, 0u);
    EXPECT_EQ(seen.size(), static_cast<size_t>(kWriters * kThreads * kLines));
}

TEST_F(LogTest, ANeighbourKeepingTheLockCostsLinesButNeverHangs) {
    using ::testing::internal::CaptureStderr;
    using ::testing::internal::GetCapturedStderr;
    const struct {
        const char* name;
        LockHolder::Holds holds;
        uint8_t openWhileHeld;
    } cases[] = {
        {"mutex", LockHolder::TheMutex, 3},
        {"creation-lock", LockHolder::TheCreationLock, 0},
    };
    for (const auto& c : cases) {
        const auto path = PathOf(std::string(c.name) + ".log");
        LockHolder holder(path, c.holds);
        ASSERT_TRUE(holder.Holding()) << c.name;
        CaptureStderr();
        EXPECT_EQ(OpenLog(3, File, path.c_str(), 0), c.openWhileHeld) << c.name;
        Log(3, "while held");
        CloseFully();
        const bool refused =
            GetCapturedStderr().find("unable to create mutex!!!") != std::string::npos;
        EXPECT_EQ(refused, c.openWhileHeld == 0) << c.name;
        EXPECT_EQ(Read(path), "") << c.name << ": the line is dropped";

        holder.Kill();
        EXPECT_EQ(OpenLog(3, File, path.c_str(), 0), 3) << c.name << ": abandoned is obtained";
        Log(3, "after");
        CloseFully();
        EXPECT_EQ(AfterFilePrefix(Read(path), 3), "::after\r\n") << c.name;
        unlink(LogMutexObject(path).c_str());
    }
}

TEST_F(LogTest, AForkedChildsLinesCarryItsOwnIds) {
    const auto path = PathOf("fork.log");
    ASSERT_EQ(OpenLog(3, File, path.c_str(), 0), 3);
    Log(3, "parent");
    const pid_t child = fork();
    if (child == 0) {
        Log(3, "child %d", static_cast<int>(gettid()));
        _exit(0);
    }
    const auto status = WaitForChild(child, 30);
    ASSERT_TRUE(status && WIFEXITED(*status));
    CloseFully();
    std::istringstream in(Read(path));
    std::string parent;
    std::string forked;
    std::getline(in, parent);
    std::getline(in, forked);
    EXPECT_EQ(AfterFilePrefix(parent, 3, getpid()), "::parent\r");
    const std::string thread = std::to_string(child);
    EXPECT_EQ(AfterFilePrefix(forked, 3, static_cast<unsigned>(child)), "::child " + thread + "\r");
    EXPECT_NE(forked.find(":" + thread + "/3]"), std::string::npos) << forked;
}

} // namespace
