#pragma once

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

// A program of the comparison run as a child process, with its standard output read through
// a pipe. Every wait has a bound; a child that outlives it is killed.
class ChildProcess {
public:
    using Environment = std::vector<std::pair<std::string, std::string>>;

    // Starts `arguments` (the program first) with `environment` added to this process's; its
    // standard input is a pipe that stays open until Stop, so a server child can watch it.
    ChildProcess(const std::vector<std::string>& arguments, const Environment& environment);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return mPid > 0; }
    // The next line of its output (without the newline), waiting at most `seconds`; false at
    // the end of the output or when the time is up.
    bool ReadLine(std::string& line, int seconds);
    // Closes its input, waits at most `seconds` for it to end (then kills it) and returns its
    // exit status (-1 when it did not end by itself).
    int Stop(int seconds);

private:
    pid_t mPid = -1;
    int mInput = -1;
    int mOutput = -1;
    std::string mPending;
};

// Runs a client to its end and returns the last line it printed; empty when it failed or ran
// longer than `seconds`.
std::string RunToEnd(const std::vector<std::string>& arguments,
                     const ChildProcess::Environment& environment, int seconds);
