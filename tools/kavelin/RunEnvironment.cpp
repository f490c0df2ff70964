#include "RunEnvironment.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "InterruptCleanup.h"
#include "LogConfiguration.h"
#include "RegistryFileCheck.h"
#include "TimeLimitSettings.h"
#include "UsageError.h"

namespace kavelin::cli {

namespace {

constexpr char kRegistryFileName[] = "logging.reg";
constexpr char kLimitsFileName[] = "limits.reg";
constexpr char kPlaybackLogName[] = "playback.log";

// A log path cannot hold a comma and a registry list entry cannot hold a colon, so a
// temporary folder elsewhere than /tmp is used only when its name has neither.
std::string TemporaryRoot() {
    const char* root = std::getenv("TMPDIR");
    if (root == nullptr || *root == '\0' ||
        std::string(root).find_first_of(",:") != std::string::npos)
        return "/tmp";
    return root;
}

std::filesystem::path MakeTemporaryFolder() {
    std::string pattern = TemporaryRoot() + "/kavelin-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(), "cannot create " + pattern);
    return pattern;
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

RunEnvironment::RunEnvironment(const Invocation& invocation) {
    std::vector<std::string> files;
    for (const std::string& file : invocation.registryFiles) {
        if (access(file.c_str(), R_OK) != 0)
            throw UsageError("cannot read registry file " + file, invocation.command);
        files.push_back(file);
    }
    const std::optional<std::string> limits =
        TimeLimitRegistryText(invocation.waitSeconds, invocation.answerSeconds);
    if (invocation.verbose || invocation.playback || limits) {
        // A signal between creating the folder and arming its cleanup would leave the folder
        // behind: the two signals wait until the cleanup is armed.
        sigset_t held;
        sigset_t previous;
        sigemptyset(&held);
        sigaddset(&held, SIGINT);
        sigaddset(&held, SIGTERM);
        sigprocmask(SIG_BLOCK, &held, &previous);
        try {
            mFolder = MakeTemporaryFolder();
        } catch (...) {
            sigprocmask(SIG_SETMASK, &previous, nullptr);
            throw;
        }
        ArmInterruptCleanup(mFolder, {kRegistryFileName, kLimitsFileName, kPlaybackLogName});
        sigprocmask(SIG_SETMASK, &previous, nullptr);
    }
    if (invocation.verbose || invocation.playback) {
        if (invocation.playback && !invocation.verbose)
            mPlaybackLog = (mFolder / kPlaybackLogName).string();
        const std::optional<std::string> logValue =
            LogValueFor(invocation.verbose, invocation.playback, mPlaybackLog);
        const std::filesystem::path registryFile = mFolder / kRegistryFileName;
        WriteFile(registryFile, LogRegistryText(*logValue));
        files.push_back(registryFile.string());
    }
    if (limits) {
        const std::filesystem::path limitsFile = mFolder / kLimitsFileName;
        WriteFile(limitsFile, *limits);
        files.push_back(limitsFile.string());
    }
    const std::string list = RegistrySearchList(std::getenv("KAVELIN_REGISTRY"), files);
    ReportUnusableRegistryFiles(list, std::cerr);
    if (!files.empty())
        setenv("KAVELIN_REGISTRY", list.c_str(), 1);
}

RunEnvironment::~RunEnvironment() {
    DisarmInterruptCleanup();
    if (!mFolder.empty() && !mKeepFolder) {
        std::error_code ignored;
        std::filesystem::remove_all(mFolder, ignored);
    }
}

std::string RunEnvironment::KeepPlaybackLog() {
    if (mPlaybackLog.empty())
        return {};
    mKeepFolder = true;
    return mPlaybackLog;
}

} // namespace kavelin::cli
