#include "os/kernel/NamedMutex.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <signal.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string UniqueName(const char* what) {
    return std::string("kavelin-test-") + what + "-" + std::to_string(getpid());
}

// Each user's processes share their own object.
std::string ObjectName(const std::string& name) {
    return "/kavelin-mutex." + std::to_string(geteuid()) + "." + name;
}

bool NameExists(const std::string& name) {
    const int descriptor = shm_open(ObjectName(name).c_str(), O_RDONLY, 0);
    if (descriptor >= 0)
        close(descriptor);
    return descriptor >= 0;
}

TEST(NamedMutex, ExcludesOtherThreadsAndHandles) {
    const auto name = UniqueName("threads");
    auto first = kavelin::os::NamedMutex::OpenOrCreate(name);
    auto second = kavelin::os::NamedMutex::OpenOrCreate(name);
    ASSERT_TRUE(first && second);
    ASSERT_EQ(first->Wait(100), kavelin::os::MutexWait::Obtained);
    kavelin::os::MutexWait other = kavelin::os::MutexWait::Failed;
    std::thread([&] { other = second->Wait(30); }).join();
    EXPECT_EQ(other, kavelin::os::MutexWait::TimedOut)
        << "a second handle in another thread must wait";
    first->Release();
    std::thread([&] {
        other = second->Wait(100);
        second->Release();
    }).join();
    EXPECT_EQ(other, kavelin::os::MutexWait::Obtained);
}

TEST(NamedMutex, ExcludesOtherProcessesAndAbandonedCountsAsObtained) {
    const auto name = UniqueName("processes");
    auto mutex = kavelin::os::NamedMutex::OpenOrCreate(name);
    ASSERT_TRUE(mutex);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        // Takes the mutex and dies holding it.
        auto own = kavelin::os::NamedMutex::OpenOrCreate(name);
        const bool held = own && kavelin::os::Owns(own->Wait(1000));
        const char byte = held ? 'y' : 'n';
        (void)!write(ready[1], &byte, 1);
        usleep(200 * 1000);
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'y');
    EXPECT_EQ(mutex->Wait(20), kavelin::os::MutexWait::TimedOut);
    int status = 0;
    waitpid(child, &status, 0);
    const auto result = mutex->Wait(1000);
    EXPECT_EQ(result, kavelin::os::MutexWait::Abandoned);
    EXPECT_TRUE(kavelin::os::Owns(result));
    mutex->Release();
    EXPECT_EQ(mutex->Wait(100), kavelin::os::MutexWait::Obtained)
        << "consistent again after abandonment";
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
        auto first = kavelin::os::NamedMutex::OpenOrCreate(c.mutexName);
        auto second = kavelin::os::NamedMutex::OpenOrCreate(c.mutexName);
        ASSERT_TRUE(first && second) << c.name;
        if (c.readable) {
            EXPECT_TRUE(NameExists(c.mutexName)) << c.name;
        }
        first.reset();
        ASSERT_EQ(second->Wait(100), kavelin::os::MutexWait::Obtained) << c.name;
        second->Release();
        second.reset();
        EXPECT_FALSE(NameExists(c.mutexName)) << c.name;
        auto again = kavelin::os::NamedMutex::OpenOrCreate(c.mutexName);
        ASSERT_TRUE(again) << c.name;
        EXPECT_EQ(again->Wait(100), kavelin::os::MutexWait::Obtained) << c.name;
        again->Release();
    }
}

TEST(NamedMutex, RefusesWhatIsPlantedAtItsNameWithoutWaiting) {
    const auto target = std::filesystem::temp_directory_path() /
                        ("kavelin-test-target-" + std::to_string(getpid()));
    std::ofstream(target) << "keep";
    const auto plantedPath = [](const std::string& name) { return "/dev/shm" + ObjectName(name); };
    const struct {
        const char* name;
        std::function<bool(const std::string& path)> plant;
        bool needsRoot;
    } cases[] = {
        {"symbolic link",
         [&](const std::string& path) { return symlink(target.c_str(), path.c_str()) == 0; },
         false},
        {"FIFO", [](const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }, false},
        {"readable by others",
         [](const std::string& path) {
             const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_RDWR, 0644);
             return fd >= 0 && fchmod(fd, 0644) == 0 && close(fd) == 0;
         },
         false},
        {"of another size",
         [](const std::string& path) {
             const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_RDWR, 0600);
             return fd >= 0 && ftruncate(fd, 4096) == 0 && close(fd) == 0;
         },
         false},
        {"another user's",
         [](const std::string& path) {
             const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_RDWR, 0600);
             return fd >= 0 && fchown(fd, 65534, 65534) == 0 && close(fd) == 0;
         },
         true},
    };
    for (const auto& c : cases) {
        if (c.needsRoot && geteuid() != 0)
            continue;
        const auto name = UniqueName("planted");
        const auto path = plantedPath(name);
        unlink(path.c_str());
        ASSERT_TRUE(c.plant(path)) << c.name;
        EXPECT_EQ(kavelin::os::NamedMutex::OpenOrCreate(name), nullptr) << c.name;
        unlink(path.c_str());
    }
    std::ifstream in(target);
    std::string text;
    in >> text;
    EXPECT_EQ(text, "keep") << "a planted link's target is never written";
    std::filesystem::remove(target);
}

TEST(NamedMutex, AProcessKeepingTheCreationLockDelaysOpenAndCloseOnlySoLong) {
    const auto name = UniqueName("creation-lock");
    auto first = kavelin::os::NamedMutex::OpenOrCreate(name);
    ASSERT_TRUE(first);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int fd = open(("/dev/shm" + ObjectName(name)).c_str(), O_RDONLY);
        const char byte = fd >= 0 && flock(fd, LOCK_EX) == 0 ? 'y' : 'n';
        (void)!write(ready[1], &byte, 1);
        pause();
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'y');
    EXPECT_EQ(kavelin::os::NamedMutex::OpenOrCreate(name), nullptr)
        << "gives up instead of hanging";
    EXPECT_EQ(first->Wait(100), kavelin::os::MutexWait::Obtained) << "an open handle is unaffected";
    first->Release();
    first.reset();
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    shm_unlink(ObjectName(name).c_str());
}

} // namespace
