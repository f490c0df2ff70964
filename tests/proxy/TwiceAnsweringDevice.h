#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace kavelin_test {

// A device that answers every request twice on a kept-alive connection: GetData with its own
// Path as the result, anything else with an empty SetDataResponse; the copy follows the answer
// in the same write (`repeatAfter` 0) or `repeatAfter` later. It listens on 127.0.0.1 (empty
// `unixPath`) or on a Unix socket, serves one connection at a time and stops when destroyed or
// after 30 s.
class TwiceAnsweringDevice {
public:
    TwiceAnsweringDevice(std::string unixPath, std::chrono::milliseconds repeatAfter);
    ~TwiceAnsweringDevice();
    TwiceAnsweringDevice(const TwiceAnsweringDevice&) = delete;
    TwiceAnsweringDevice& operator=(const TwiceAnsweringDevice&) = delete;

    // "http://127.0.0.1:PORT/" or "ovdcs://unix/PATH".
    std::string Url() const;
    // The SOAP actions received, in order.
    std::vector<std::string> Actions();

private:
    void Serve();

    std::string mUnixPath;
    std::chrono::milliseconds mRepeatAfter;
    int mListener = -1;
    int mPort = 0;
    std::atomic<bool> mStop{false};
    std::mutex mMutex;
    std::vector<std::string> mActions;
    std::thread mThread;
};

} // namespace kavelin_test
