#include "support/DeviceProcess.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <poll.h>
#include <unistd.h>

#include "support/ChildProcess.h"

namespace kavelin_test {

namespace {

// The device announces its port on its first output line.
unsigned ReadAnnouncedPort(int fd) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd ready = {fd, POLLIN, 0};
        if (poll(&ready, 1, 100) <= 0)
            continue;
        char c = 0;
        if (read(fd, &c, 1) != 1)
            break;
        line += c;
    }
    unsigned port = 0;
    return std::sscanf(line.c_str(), "listening on 127.0.0.1:%u", &port) == 1 ? port : 0;
}

} // namespace

DeviceProcess::DeviceProcess(const std::vector<std::string>& extraArguments) {
    // Not under $TMPDIR: a test may point that at a folder of its own that goes away.
    char pattern[] = "/tmp/kavelin-e2e-device-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd < 0)
        return;
    close(fd);
    mLogFile = pattern;
    std::vector<std::string> arguments = {"--port", "0", "-v", "--duration", "120"};
    arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());
    const auto child = SpawnProgram(KAVELIN_DEVICE_PROGRAM, arguments, mLogFile);
    if (!child)
        return;
    mPid = child->pid;
    mPort = ReadAnnouncedPort(child->outputFd);
    close(child->outputFd);
}

DeviceProcess::~DeviceProcess() {
    if (mPid > 0)
        StopChild(mPid);
    if (!mLogFile.empty())
        unlink(mLogFile.c_str());
}

std::string DeviceProcess::Url() const {
    return "http://127.0.0.1:" + std::to_string(mPort) + "/BaseService";
}

std::vector<std::string> DeviceProcess::Operations() const {
    std::ifstream log(mLogFile);
    std::vector<std::string> operations;
    std::string line;
    while (std::getline(log, line)) {
        // "kavelin-device: connection N: POST /path Operation"
        if (line.find(": POST ") == std::string::npos)
            continue;
        operations.push_back(line.substr(line.rfind(' ') + 1));
    }
    return operations;
}

} // namespace kavelin_test
