#include "LogTestSupport.h"
#include "kavelin/Kavelin.h"

#include <cstdlib>
#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST_F(LogTest, LoadingTheLibraryStartsAndUnloadingStopsTheLog) {
    const kavelin_test::ScopedRegistry registry(
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\n"
        "\"OVCOM.Kavelin\"=\"console,4\"\n");
    // The unload hook runs when the process lets the library go (at the latest at exit), so a
    // child process loads it and exits; its output comes back through a pipe.
    int output[2];
    ASSERT_EQ(pipe(output), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(output[1], STDOUT_FILENO);
        void* library = dlopen(KAVELIN_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        // Looked up by the type the public header declares, as a host would.
        const auto probe =
            library ? reinterpret_cast<decltype(&fnKavelin)>(dlsym(library, "fnKavelin")) : nullptr;
        const bool exports = probe != nullptr && probe() == 42 &&
                             dlsym(library, "_ZN8CKavelinC1Ev") != nullptr &&
                             dlsym(library, "_ZN8CKavelinaSERKS_") != nullptr &&
                             dlsym(library, "StartLogging") == nullptr;
        std::exit(exports ? 0 : 1);
    }
    close(output[1]);
    const std::string text = ReadToEnd(output[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "fnKavelin gives 42, CKavelin is exported, internals are not";
    EXPECT_EQ(text, "OVCOM.Kavelin:: ---Start Logging---\r\n"
                    "OVCOM.Kavelin:: ---End Logging---\r\n");
}

TEST_F(LogTest, TheLibraryLoadsAndUnloadsWhileANeighbourKeepsTheLogLock) {
    for (const auto holds : {LockHolder::TheMutex, LockHolder::TheCreationLock}) {
        const auto path = PathOf("held.log");
        const kavelin_test::ScopedRegistry registry(
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvanta\\Plotara\\Logging-Infra]\n"
            "\"OVCOM.Kavelin\"=\"file," +
            path + ",4\"\n");
        LockHolder holder(path, holds);
        ASSERT_TRUE(holder.Holding()) << holds;
        const pid_t child = fork();
        if (child == 0) {
            void* library = dlopen(KAVELIN_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
            const bool loaded = library != nullptr && dlclose(library) == 0;
            _exit(loaded ? 0 : 1);
        }
        const auto status = WaitForChild(child, 30);
        ASSERT_TRUE(status) << holds << ": the load or the unload hangs";
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << holds;
        EXPECT_EQ(Read(path), "") << holds << ": the banners are dropped";
        holder.Kill();
        unlink(LogMutexObject(path).c_str());
        std::filesystem::remove(path);
    }
}

} // namespace
