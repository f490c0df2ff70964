#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kavelin_test {

// How a program run ended and what it wrote.
struct RunResult {
    int exitCode = -1; // -1 when it was killed or did not exit by itself
    std::string out;
    std::string err;
};

// The environment of a child: this process's, with `set` values replaced or added and the
// `unset` names removed.
struct ChildEnvironment {
    std::map<std::string, std::string> set;
    std::vector<std::string> unset;
};

// Runs `program` with `arguments`, `input` on its standard input, and waits at most `limit`; a
// child still running then is killed.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                     const ChildEnvironment& environment, const std::string& input = {},
                     std::chrono::milliseconds limit = std::chrono::seconds(30));

// Starts `program` with standard output in `outputFile` and standard error in `errorFile` (empty:
// beside the output). Returns the child's pid, or nothing when it cannot start.
std::optional<int> SpawnProgram(const std::string& program,
                                const std::vector<std::string>& arguments,
                                const std::string& outputFile, const std::string& errorFile = {});

// Asks the child to stop, kills it after `grace`, and returns its exit code (-1 if killed).
int StopChild(int pid, std::chrono::milliseconds grace = std::chrono::seconds(5));

} // namespace kavelin_test
