#include "LogTestSupport.h"
#include "kavelin/Kavelin.h"

#include <cstdlib>
#include <dlfcn.h>

namespace {

// The component's own logging value, up to its text.
const std::string kLoggingValue =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\n\"OVCOM.Kavelin\"=\"";

TEST_F(LogTest, LoadingTheLibraryStartsAndUnloadingStopsTheLog) {
    const kavelin_test::ScopedRegistry registry(kLoggingValue + "console,4\"\n");
    // The unload hook runs when the process lets the library go (at the latest at exit), so a
    // child process loads it and exits.
    const auto [passed, text] = InChild(STDOUT_FILENO, []() -> bool {
        void* library = dlopen(KAVELIN_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        // Looked up by the type the public header declares, as a host would (the other exports
        // are the host library tests' concern).
        const auto probe =
            library ? reinterpret_cast<decltype(&fnKavelin)>(dlsym(library, "fnKavelin")) : nullptr;
        std::exit(probe != nullptr && probe() == 42 ? 0 : 1);
    });
    EXPECT_TRUE(passed) << "fnKavelin gives 42";
    EXPECT_EQ(text, "OVCOM.Kavelin:: ---Start Logging---\r\n"
                    "OVCOM.Kavelin:: ---End Logging---\r\n");
}

TEST_F(LogTest, TheLibraryLoadsAndUnloadsWhileANeighbourKeepsTheLogLock) {
    const auto loadAndUnload = [] {
        void* library = dlopen(KAVELIN_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        return library != nullptr && dlclose(library) == 0;
    };
    for (const LogLock lock : {TheMutex, TheCreationLock}) {
        const auto path = PathOf("held.log");
        const kavelin_test::ScopedRegistry registry(kLoggingValue + "file," + path + ",4\"\n");
        kavelin_test::ForkedChild holder([&] { return TakeLogLock(path, lock); });
        ASSERT_TRUE(holder.Took()) << lock;
        EXPECT_TRUE(InChild(STDERR_FILENO, loadAndUnload).first)
            << lock << ": the load or the unload fails or hangs";
        EXPECT_EQ(Read(path), "") << lock << ": the banners are dropped";
        holder.End();
        unlink(LogMutexObject(path).c_str());
        std::filesystem::remove(path);
    }
}

} // namespace
