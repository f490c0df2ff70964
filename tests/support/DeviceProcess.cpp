#include "support/DeviceProcess.h"

#include <chrono>
#include <cstdio>
#include <sstream>
#include <thread>
#include <unistd.h>

#include "support/ChildProcess.h"
#include "support/ScratchPath.h"

namespace kavelin_test {

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
    const std::optional<int> child = SpawnProgram(KAVELIN_DEVICE_PROGRAM, arguments, mLogFile);
    if (!child)
        return;
    mPid = *child;
    // The device announces its port on its first line.
    for (int i = 0; i < 1000; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const std::string text = FileText(mLogFile);
        if (text.find('\n') == std::string::npos)
            continue;
        if (std::sscanf(text.c_str(), "listening on 127.0.0.1:%u", &mPort) != 1)
            mPort = 0;
        break;
    }
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
    std::istringstream log(FileText(mLogFile));
    std::vector<std::string> operations;
    for (std::string line; std::getline(log, line);) {
        // "kavelin-device: connection N: POST /path Operation"
        if (line.find(": POST ") != std::string::npos)
            operations.push_back(line.substr(line.rfind(' ') + 1));
    }
    return operations;
}

} // namespace kavelin_test
