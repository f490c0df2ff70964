#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <vector>

// An append-only record that tests read while the device's threads write to it.
namespace kavelin::device {

template <typename Entry> class Journal {
public:
    void Append(Entry entry) {
        {
            std::lock_guard lock(mMutex);
            mEntries.push_back(std::move(entry));
        }
        mChanged.notify_all();
    }

    std::vector<Entry> All() const {
        std::lock_guard lock(mMutex);
        return mEntries;
    }

    std::size_t Count() const {
        std::lock_guard lock(mMutex);
        return mEntries.size();
    }

    void Clear() {
        std::lock_guard lock(mMutex);
        mEntries.clear();
    }

    // Wakes every waiter for good: the device is stopping.
    void Close() {
        {
            std::lock_guard lock(mMutex);
            mClosed = true;
        }
        mChanged.notify_all();
    }

    void Reopen() {
        std::lock_guard lock(mMutex);
        mClosed = false;
    }

    bool WaitFor(std::size_t count, std::chrono::milliseconds timeout) const {
        std::unique_lock lock(mMutex);
        mChanged.wait_for(lock, timeout, [&] { return mClosed || mEntries.size() >= count; });
        return mEntries.size() >= count;
    }

private:
    mutable std::mutex mMutex;
    mutable std::condition_variable mChanged;
    std::vector<Entry> mEntries;
    bool mClosed = false;
};

} // namespace kavelin::device
