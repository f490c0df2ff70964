#include "support/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace kavelin_test {

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> EnvironmentEntries(const ChildEnvironment& environment) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool replaced = environment.set.count(name) != 0;
        for (const std::string& unset : environment.unset)
            replaced = replaced || unset == name;
        if (!replaced)
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

} // namespace

RunResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const ChildEnvironment& environment, const std::string& input,
                     std::chrono::milliseconds limit) {
    RunResult result;
    int inPipe[2], outPipe[2], errPipe[2];
    if (pipe(inPipe) != 0 || pipe(outPipe) != 0 || pipe(errPipe) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, inPipe[0], 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    for (int fd : {inPipe[0], inPipe[1], outPipe[0], outPipe[1], errPipe[0], errPipe[1]})
        posix_spawn_file_actions_addclose(&actions, fd);

    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp = EnvironmentEntries(environment);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, Pointers(argv).data(),
                                    Pointers(envp).data());
    posix_spawn_file_actions_destroy(&actions);
    close(inPipe[0]);
    close(outPipe[1]);
    close(errPipe[1]);
    if (spawned != 0) {
        close(inPipe[1]);
        close(outPipe[0]);
        close(errPipe[0]);
        return result;
    }

    // Input is small; a child that does not read it gets a broken pipe, not a hang.
    signal(SIGPIPE, SIG_IGN);
    if (!input.empty() && write(inPipe[1], input.data(), input.size()) < 0)
        result.err = "(could not write the input)";
    close(inPipe[1]);

    const Clock::time_point deadline = Clock::now() + limit;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int open = 2;
    while (open > 0 && Clock::now() < deadline) {
        if (poll(fds, 2, 50) < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || (fds[i].revents & (POLLIN | POLLHUP)) == 0)
                continue;
            char buffer[4096];
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<size_t>(got));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (const pollfd& fd : fds) {
        if (fd.fd >= 0)
            close(fd.fd);
    }
    bool exited = false;
    result.exitCode = WaitUntil(pid, deadline, &exited);
    if (!exited) {
        result.timedOut = true;
        kill(pid, SIGKILL);
        WaitUntil(pid, Clock::now() + std::chrono::seconds(5), &exited);
    }
    return result;
}

std::optional<SpawnedChild> SpawnProgram(const std::string& program,
                                         const std::vector<std::string>& arguments,
                                         const std::string& errorFile) {
    int outPipe[2];
    if (pipe(outPipe) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addclose(&actions, outPipe[0]);
    posix_spawn_file_actions_addclose(&actions, outPipe[1]);
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    pid_t pid = -1;
    const int spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, Pointers(argv).data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    if (spawned != 0) {
        close(outPipe[0]);
        return std::nullopt;
    }
    return SpawnedChild{pid, outPipe[0]};
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
