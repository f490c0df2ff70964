#include "ChildProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

ChildProcess::ChildProcess(const std::vector<std::string>& arguments,
                           const Environment& environment) {
    int input[2];
    int output[2];
    if (arguments.empty() || pipe(input) != 0)
        return;
    if (pipe(output) != 0) {
        close(input[0]);
        close(input[1]);
        return;
    }
    mPid = fork();
    if (mPid == 0) {
        dup2(input[0], STDIN_FILENO);
        dup2(output[1], STDOUT_FILENO);
        for (const int fd : {input[0], input[1], output[0], output[1]})
            close(fd);
        for (const auto& [name, value] : environment)
            setenv(name.c_str(), value.c_str(), 1);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(input[0]);
    close(output[1]);
    mInput = input[1];
    mOutput = output[0];
}

ChildProcess::~ChildProcess() {
    Stop(5);
}

bool ChildProcess::ReadLine(std::string& line, int seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        const size_t newline = mPending.find('\n');
        if (newline != std::string::npos) {
            line = mPending.substr(0, newline);
            mPending.erase(0, newline + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        pollfd watched{mOutput, POLLIN, 0};
        if (mOutput < 0 || left.count() <= 0 ||
            poll(&watched, 1, static_cast<int>(left.count())) <= 0)
            return false;
        char chunk[4096];
        const ssize_t n = read(mOutput, chunk, sizeof chunk);
        if (n <= 0)
            return false;
        mPending.append(chunk, static_cast<size_t>(n));
    }
}

int ChildProcess::Stop(int seconds) {
    if (mPid <= 0)
        return -1;
    if (mInput >= 0)
        close(mInput);
    mInput = -1;
    int status = 0;
    const auto endedWithin = [&](std::chrono::milliseconds bound) {
        const auto end = std::chrono::steady_clock::now() + bound;
        for (;;) {
            const pid_t ended = waitpid(mPid, &status, WNOHANG);
            if (ended != 0 || std::chrono::steady_clock::now() >= end)
                return ended != 0;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    };
    bool byItself = endedWithin(std::chrono::seconds(seconds));
    if (!byItself) {
        kill(mPid, SIGTERM);
        if (!endedWithin(std::chrono::seconds(2))) {
            kill(mPid, SIGKILL);
            waitpid(mPid, &status, 0);
        }
    }
    if (mOutput >= 0)
        close(mOutput);
    mOutput = -1;
    mPid = -1;
    return byItself && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string RunToEnd(const std::vector<std::string>& arguments,
                     const ChildProcess::Environment& environment, int seconds) {
    ChildProcess child(arguments, environment);
    std::string last;
    std::string line;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (child.Started() && std::chrono::steady_clock::now() < end) {
        const auto left = std::chrono::duration_cast<std::chrono::seconds>(
            end - std::chrono::steady_clock::now());
        if (!child.ReadLine(line, static_cast<int>(left.count()) + 1))
            break;
        last = line;
    }
    return child.Stop(5) == 0 ? last : std::string();
}
