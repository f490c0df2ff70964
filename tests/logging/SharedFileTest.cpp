#include "LogTestSupport.h"

#include <memory>
#include <set>
#include <tuple>

namespace {

TEST_F(LogTest, ProcessesSharingAFileWriteWholeLinesAndLoseNone) {
    constexpr int kWriters = 3;
    constexpr int kThreads = 2;
    constexpr int kLines = 2500;
    const auto path = PathOf("shared.log");
    // Each writer is a process of its own with its own threads, all logging at once.
    std::vector<std::unique_ptr<kavelin_test::ForkedChild>> writers;
    for (int writer = 0; writer < kWriters; ++writer)
        writers.push_back(std::make_unique<kavelin_test::ForkedChild>(
            [&] {
                if (OpenLog(3, File, path.c_str(), 0) != 3)
                    return false;
                std::vector<std::thread> threads;
                for (int t = 0; t < kThreads; ++t)
                    threads.emplace_back([=] {
                        for (int n = 0; n < kLines; ++n)
                            KV_LOG(3, "child %d thread %d line %d %s", writer, t, n,
                                   "padding-padding-padding-padding-padding");
                    });
                for (auto& thread : threads)
                    thread.join();
                CloseLog();
                return true;
            },
            1));
    for (auto& writer : writers) {
        EXPECT_TRUE(writer->Took());
        writer->End(false);
    }

    const std::regex whole(R"(::child (\d+) thread (\d+) line (\d+) padding(-padding){4}\r)");
    std::set<std::tuple<int, int, int>> seen;
    size_t bad = 0;
    for (const std::string& text : LinesOf(Read(path))) {
        const auto rest = AfterFilePrefix(text, 3);
        std::smatch m;
        if (rest && std::regex_match(*rest, m, whole))
            seen.emplace(std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]));
        else
            ++bad;
    }
    EXPECT_EQ(bad, 0u);
    EXPECT_EQ(seen.size(), static_cast<size_t>(kWriters * kThreads * kLines));
}

TEST_F(LogTest, ANeighbourKeepingTheLockCostsLinesButNeverHangs) {
    using ::testing::internal::CaptureStderr;
    using ::testing::internal::GetCapturedStderr;
    // The lock the neighbour keeps, and what an open returns while it does.
    for (const auto& [name, lock, openWhileHeld] :
         {std::tuple{"mutex", TheMutex, 3}, std::tuple{"creation-lock", TheCreationLock, 0}}) {
        const auto path = PathOf(std::string(name) + ".log");
        kavelin_test::ForkedChild holder([&] { return TakeLogLock(path, lock); });
        ASSERT_TRUE(holder.Took()) << name;
        CaptureStderr();
        EXPECT_EQ(OpenLog(3, File, path.c_str(), 0), openWhileHeld) << name;
        Log(3, "while held");
        CloseFully();
        const bool refused =
            GetCapturedStderr().find("unable to create mutex!!!") != std::string::npos;
        EXPECT_EQ(refused, openWhileHeld == 0) << name;
        EXPECT_EQ(Read(path), "") << name << ": the line is dropped";

        holder.End();
        EXPECT_EQ(OpenLog(3, File, path.c_str(), 0), 3) << name << ": abandoned is obtained";
        Log(3, "after");
        CloseFully();
        EXPECT_EQ(AfterFilePrefix(Read(path), 3), "::after\r\n") << name;
        unlink(LogMutexObject(path).c_str());
    }
}

TEST_F(LogTest, AForkedChildsLinesCarryItsOwnIds) {
    const auto path = PathOf("fork.log");
    ASSERT_EQ(OpenLog(3, File, path.c_str(), 0), 3);
    Log(3, "parent");
    // The child, with one thread, names the id that is both its process and its thread id.
    const auto [passed, id] = InChild(STDOUT_FILENO, [] {
        Log(3, "child");
        return dprintf(STDOUT_FILENO, "%d", static_cast<int>(getpid())) > 0;
    });
    ASSERT_TRUE(passed);
    CloseFully();
    const auto lines = LinesOf(Read(path));
    ASSERT_EQ(lines.size(), 2u) << Read(path);
    EXPECT_EQ(AfterFilePrefix(lines[0], 3, getpid()), "::parent\r");
    EXPECT_EQ(AfterFilePrefix(lines[1], 3, std::stoul(id)), "::child\r");
    EXPECT_NE(lines[1].find(":" + id + "/3]"), std::string::npos) << lines[1];
}

} // namespace
