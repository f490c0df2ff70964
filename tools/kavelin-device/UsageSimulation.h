#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// The device printing on its own: on every period a few pages go through, so consumable levels
// fall (the state turning "Low" at 10% and "Empty" at 0%), the fullest tray loses sheets and the
// page counters rise. Each step is one change of the data model, applied as the hardware would,
// so subscribers hear of it.
namespace kavelin::device {

// One step's change as a fragment of `document`, or "" when nothing is left to use up.
std::string UsageStep(const std::string& document);

class UsageSimulation {
public:
    using Apply = std::function<void(const std::string& fragment)>;
    using Read = std::function<std::string()>;

    UsageSimulation(std::chrono::milliseconds period, Read read, Apply apply);
    ~UsageSimulation(); // stops
    UsageSimulation(const UsageSimulation&) = delete;
    UsageSimulation& operator=(const UsageSimulation&) = delete;

    void Start();
    void Stop();

private:
    void Run();

    const std::chrono::milliseconds mPeriod;
    Read mRead;
    Apply mApply;
    std::mutex mMutex;
    std::condition_variable mWake;
    bool mStop = false;
    std::thread mWorker;
};

} // namespace kavelin::device
