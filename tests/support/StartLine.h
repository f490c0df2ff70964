#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>

namespace kavelin_test {

// Lets a fixed number of threads start a round together, round after round. std::barrier
// would do, but under mingw-w64's libstdc++ 12 it can miss a wake-up and hang a suite.
class StartLine {
public:
    explicit StartLine(std::size_t threads) : mThreads(threads) {}

    // Returns once every thread has arrived in this round.
    void ArriveAndWait() {
        std::unique_lock lock(mMutex);
        const std::size_t round = mRound;
        if (++mArrived == mThreads) {
            mArrived = 0;
            ++mRound;
            mAllArrived.notify_all();
            return;
        }
        mAllArrived.wait(lock, [&] { return mRound != round; });
    }

private:
    const std::size_t mThreads;
    std::mutex mMutex;
    std::condition_variable mAllArrived;
    std::size_t mArrived = 0;
    std::size_t mRound = 0;
};

} // namespace kavelin_test
