#include "os/kernel/NamedMutex.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>

#include "os/ForkedChild.h"
#include "support/ScratchPath.h"

namespace {

using kavelin::os::MutexWait;
using kavelin::os::NamedMutex;

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
    auto first = NamedMutex::OpenOrCreate(name);
    auto second = NamedMutex::OpenOrCreate(name);
    ASSERT_TRUE(first && second);
    ASSERT_EQ(first->Wait(100), MutexWait::Obtained);
    MutexWait other = MutexWait::Failed;
    std::thread([&] { other = second->Wait(30); }).join();
    EXPECT_EQ(other, MutexWait::TimedOut) << "a second handle in another thread must wait";
    first->Release();
    std::thread([&] {
        other = second->Wait(100);
        second->Release();
    }).join();
    EXPECT_EQ(other, MutexWait::Obtained);
}

TEST(NamedMutex, ExcludesOtherProcessesAndAbandonedCountsAsObtained) {
    const auto name = UniqueName("processes");
    auto mutex = NamedMutex::OpenOrCreate(name);
    ASSERT_TRUE(mutex);
    // Takes the mutex and dies holding it.
    kavelin_test::ForkedChild child(
        [&] {
            // Kept open until the child dies.
            auto* own = NamedMutex::OpenOrCreate(name).release();
            return own != nullptr && kavelin::os::Owns(own->Wait(1000));
        },
        200);
    ASSERT_TRUE(child.Took());
    EXPECT_EQ(mutex->Wait(20), MutexWait::TimedOut);
    child.End(false);
    const auto result = mutex->Wait(1000);
    EXPECT_EQ(result, MutexWait::Abandoned);
    EXPECT_TRUE(kavelin::os::Owns(result));
    mutex->Release();
    EXPECT_EQ(mutex->Wait(100), MutexWait::Obtained) << "consistent again after abandonment";
    mutex->Release();
}

TEST(NamedMutex, NameGoesAwayWithItsLastHandle) {
    // A short name, one with a slash and a long one; only the first is readable as it is.
    for (const auto& [name, readable] :
         {std::pair{UniqueName("life"), true}, std::pair{UniqueName("a/b"), false},
          std::pair{UniqueName(std::string(400, 'x').c_str()), false}}) {
        SCOPED_TRACE(name);
        auto first = NamedMutex::OpenOrCreate(name);
        auto second = NamedMutex::OpenOrCreate(name);
        ASSERT_TRUE(first && second);
        EXPECT_TRUE(!readable || NameExists(name));
        first.reset();
        ASSERT_EQ(second->Wait(100), MutexWait::Obtained);
        second->Release();
        second.reset();
        EXPECT_FALSE(NameExists(name));
        auto again = NamedMutex::OpenOrCreate(name);
        ASSERT_TRUE(again);
        EXPECT_EQ(again->Wait(100), MutexWait::Obtained);
        again->Release();
    }
}

TEST(NamedMutex, RefusesWhatIsPlantedAtItsNameWithoutWaiting) {
    const auto target = std::filesystem::temp_directory_path() /
                        ("kavelin-test-target-" + std::to_string(getpid()));
    std::ofstream(target) << "keep";
    // A regular file where the object would be, of the given mode, size and owner.
    const auto file = [](mode_t mode, off_t size, uid_t owner) {
        return [=](const std::string& path) {
            const int fd = open(path.c_str(), O_CREAT | O_EXCL | O_RDWR, 0600);
            return fd >= 0 && fchmod(fd, mode) == 0 && ftruncate(fd, size) == 0 &&
                   (owner == geteuid() || fchown(fd, owner, owner) == 0) && close(fd) == 0;
        };
    };
    // What is planted, how, and whether planting it takes root.
    using Row = std::tuple<const char*, std::function<bool(const std::string& path)>, bool>;
    const Row cases[] = {
        {"symbolic link",
         [&](const std::string& path) { return symlink(target.c_str(), path.c_str()) == 0; },
         false},
        {"FIFO", [](const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }, false},
        {"readable by others", file(0644, 0, geteuid()), false},
        {"of another size", file(0600, 4096, geteuid()), false},
        {"another user's", file(0600, 0, 65534), true},
    };
    for (const auto& [what, plant, needsRoot] : cases) {
        if (needsRoot && geteuid() != 0)
            continue;
        const auto name = UniqueName("planted");
        const auto path = "/dev/shm" + ObjectName(name);
        unlink(path.c_str());
        ASSERT_TRUE(plant(path)) << what;
        EXPECT_EQ(NamedMutex::OpenOrCreate(name), nullptr) << what;
        unlink(path.c_str());
    }
    EXPECT_EQ(kavelin_test::FileText(target), "keep") << "a planted link's target is never written";
    std::filesystem::remove(target);
}

TEST(NamedMutex, AProcessKeepingTheCreationLockDelaysOpenAndCloseOnlySoLong) {
    const auto name = UniqueName("creation-lock");
    auto first = NamedMutex::OpenOrCreate(name);
    ASSERT_TRUE(first);
    kavelin_test::ForkedChild child([&] {
        const int fd = open(("/dev/shm" + ObjectName(name)).c_str(), O_RDONLY);
        return fd >= 0 && flock(fd, LOCK_EX) == 0;
    });
    ASSERT_TRUE(child.Took());
    EXPECT_EQ(NamedMutex::OpenOrCreate(name), nullptr) << "gives up instead of hanging";
    EXPECT_EQ(first->Wait(100), MutexWait::Obtained) << "an open handle is unaffected";
    first->Release();
    first.reset();
    child.End();
    shm_unlink(ObjectName(name).c_str());
}

} // namespace
