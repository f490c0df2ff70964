#include "support/ChildProcess.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "support/ScratchPath.h"

extern char** environ;

namespace kavelin_test {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> EnvironmentEntries(const ChildEnvironment& environment) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        if (!environment.set.contains(name) && std::ranges::count(environment.unset, name) == 0)
            entries.push_back(text);
    }
    for (const auto& [name, value] : environment.set)
        entries.push_back(name + "=" + value);
    return entries;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Waits for the child until `deadline`; -1 when it has not exited by then.
int WaitUntil(int pid, Clock::time_point deadline, bool* exited) {
    *exited = false;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            *exited = true;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        if (done < 0 || Clock::now() >= deadline)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Standard input from `inputFile` when one is given, output and errors into files.
std::optional<int> Spawn(const std::string& program, const std::vector<std::string>& arguments,
                         std::vector<std::string> environment, const std::string& inputFile,
                         const std::string& outputFile, const std::string& errorFile) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    constexpr int kFlags = O_WRONLY | O_CREAT | O_TRUNC;
    if (!inputFile.empty())
        posix_spawn_file_actions_addopen(&actions, 0, inputFile.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), kFlags, 0600);
    if (errorFile.empty())
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
    else
        posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), kFlags, 0600);
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, Pointers(argv).data(),
                                    Pointers(environment).data());
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? std::optional<int>(pid) : std::nullopt;
}

} // namespace

RunResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const ChildEnvironment& environment, const std::string& input,
                     std::chrono::milliseconds limit) {
    const std::string files[] = {ScratchPath("kavelin-child", ".in"),
                                 ScratchPath("kavelin-child", ".out"),
                                 ScratchPath("kavelin-child", ".err")};
    std::ofstream(files[0], std::ios::binary) << input;
    RunResult result;
    if (const std::optional<int> pid = Spawn(program, arguments, EnvironmentEntries(environment),
                                             files[0], files[1], files[2])) {
        bool exited = false;
        result.exitCode = WaitUntil(*pid, Clock::now() + limit, &exited);
        if (!exited)
            StopChild(*pid, std::chrono::milliseconds(0));
    }
    result.out = FileText(files[1]);
    result.err = FileText(files[2]);
    for (const std::string& file : files)
        std::remove(file.c_str());
    return result;
}

std::optional<int> SpawnProgram(const std::string& program,
                                const std::vector<std::string>& arguments,
                                const std::string& outputFile, const std::string& errorFile) {
    return Spawn(program, arguments, EnvironmentEntries({}), {}, outputFile, errorFile);
}

int StopChild(int pid, std::chrono::milliseconds grace) {
    kill(pid, SIGTERM);
    bool exited = false;
    const int code = WaitUntil(pid, Clock::now() + grace, &exited);
    if (exited)
        return code;
    kill(pid, SIGKILL);
    WaitUntil(pid, Clock::now() + std::chrono::seconds(5), &exited);
    return -1;
}

} // namespace kavelin_test
