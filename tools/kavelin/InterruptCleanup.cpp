#include "InterruptCleanup.h"

#include <array>
#include <climits>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace kavelin::cli {

namespace {

constexpr size_t kMostFiles = 4;
constexpr std::array<int, 2> kSignals = {SIGINT, SIGTERM};

// Prepared before the signal can come: a handler may only call async-signal-safe functions,
// so the paths are plain bytes here.
char gFolder[PATH_MAX];
char gFiles[kMostFiles][PATH_MAX];
size_t gFileCount = 0;
struct sigaction gPrevious[kSignals.size()];
bool gArmed = false;

void CopyPath(char (&target)[PATH_MAX], const std::string& path) {
    const size_t length = path.size() < PATH_MAX - 1 ? path.size() : PATH_MAX - 1;
    std::memcpy(target, path.data(), length);
    target[length] = '\0';
}

extern "C" void RemoveFolderAndEnd(int signal) {
    for (size_t i = 0; i < gFileCount; ++i)
        unlink(gFiles[i]);
    rmdir(gFolder);
    std::signal(signal, SIG_DFL);
    raise(signal);
}

} // namespace

void ArmInterruptCleanup(const std::filesystem::path& folder,
                         const std::vector<std::string>& fileNames) {
    CopyPath(gFolder, folder.string());
    gFileCount = 0;
    for (const std::string& name : fileNames) {
        if (gFileCount == kMostFiles)
            break;
        CopyPath(gFiles[gFileCount++], (folder / name).string());
    }
    struct sigaction action = {};
    action.sa_handler = RemoveFolderAndEnd;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &action, &gPrevious[i]);
    gArmed = true;
}

void DisarmInterruptCleanup() {
    if (!gArmed)
        return;
    for (size_t i = 0; i < kSignals.size(); ++i)
        sigaction(kSignals[i], &gPrevious[i], nullptr);
    gArmed = false;
}

} // namespace kavelin::cli
