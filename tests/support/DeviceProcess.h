#pragma once

#include <string>
#include <vector>

namespace kavelin_test {

// The kavelin-device program as a child on 127.0.0.1 with an ephemeral port, logging one line
// per request. It is stopped when the object goes away.
class DeviceProcess {
public:
    explicit DeviceProcess(const std::vector<std::string>& extraArguments = {});
    ~DeviceProcess();
    DeviceProcess(const DeviceProcess&) = delete;
    DeviceProcess& operator=(const DeviceProcess&) = delete;

    bool Running() const { return mPort != 0; }
    std::string Url() const;
    // The operations the device has served so far, in order ("StartSession", "GetData", ...).
    std::vector<std::string> Operations() const;

private:
    int mPid = -1;
    unsigned mPort = 0;
    std::string mLogFile;
};

} // namespace kavelin_test
