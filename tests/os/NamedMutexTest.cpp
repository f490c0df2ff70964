#include "os/NamedMutex.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string UniqueName(const char* what) {
    return std::string("kavelin-test-") + what + "-" + std::to_string(getpid());
}

bool NameExists(const std::string& name) {
    const int descriptor = shm_open(("/kavelin-mutex." + name).c_str(), O_RDONLY, 0);
    if (descriptor >= 0)
        close(descriptor);
    return descriptor >= 0;
}

TEST(NamedMutex, ExcludesOtherThreadsAndHandles) {
    const auto name = UniqueName("threads");
    auto first = os::NamedMutex::OpenOrCreate(name);
    auto second = os::NamedMutex::OpenOrCreate(name);
    ASSERT_TRUE(first && second);
    ASSERT_EQ(first->Wait(100), os::MutexWait::Obtained);
    os::MutexWait other = os::MutexWait::Failed;
    std::thread([&] { other = second->Wait(30); }).join();
    EXPECT_EQ(other, os::MutexWait::TimedOut) << "a second handle in another thread must wait";
    first->Release();
    std::thread([&] {
        other = second->Wait(100);
        second->Release();
    }).join();
    EXPECT_EQ(other, os::MutexWait::Obtained);
}

TEST(NamedMutex, ExcludesOtherProcessesAndAbandonedCountsAsObtained) {
    const auto name = UniqueName("processes");
    auto mutex = os::NamedMutex::OpenOrCreate(name);
    ASSERT_TRUE(mutex);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        // Takes the mutex and dies holding it.
        auto own = os::NamedMutex::OpenOrCreate(name);
        const bool held = own && os::Owns(own->Wait(1000));
        const char byte = held ? 'y' : 'n';
        (void)!write(ready[1], &byte, 1);
        usleep(200 * 1000);
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'y');
    EXPECT_EQ(mutex->Wait(20), os::MutexWait::TimedOut);
    int status = 0;
    waitpid(child, &status, 0);
    const auto result = mutex->Wait(1000);
    EXPECT_EQ(result, os::MutexWait::Abandoned);
    EXPECT_TRUE(os::Owns(result));
    mutex->Release();
    EXPECT_EQ(mutex->Wait(100), os::MutexWait::Obtained) << "consistent again after abandonment";
    mutex->Release();
    close(ready[0]);
    close(ready[1]);
}

TEST(NamedMutex, NameGoesAwayWithItsLastHandle) {
    const struct {
        const char* name;
        std::string mutexName;
        bool readable;
    } cases[] = {
        {"short", UniqueName("life"), true},
        {"with slash", UniqueName("a/b"), false},
        {"long", UniqueName(std::string(400, 'x').c_str()), false},
    };
    for (const auto& c : cases) {
        auto first = os::NamedMutex::OpenOrCreate(c.mutexName);
        auto second = os::NamedMutex::OpenOrCreate(c.mutexName);
        ASSERT_TRUE(first && second) << c.name;
        if (c.readable) {
            EXPECT_TRUE(NameExists(c.mutexName)) << c.name;
        }
        first.reset();
        ASSERT_EQ(second->Wait(100), os::MutexWait::Obtained) << c.name;
        second->Release();
        second.reset();
        EXPECT_FALSE(NameExists(c.mutexName)) << c.name;
        auto again = os::NamedMutex::OpenOrCreate(c.mutexName);
        ASSERT_TRUE(again) << c.name;
        EXPECT_EQ(again->Wait(100), os::MutexWait::Obtained) << c.name;
        again->Release();
    }
}

} // namespace
