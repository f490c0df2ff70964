#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <vector>

// A record that tests read while the device's threads write to it. It keeps only the latest
// entries, so a device that serves for days stays the same size; the count goes on.
namespace kavelin::device {

template <typename Entry> class Journal {
public:
    // Keeps at most `capacity` entries (at least one), dropping the oldest.
    explicit Journal(std::size_t capacity) : mCapacity(capacity > 0 ? capacity : 1) {}

    void Append(Entry entry) {
        {
            std::lock_guard lock(mMutex);
            if (mEntries.size() == mCapacity)
                mEntries.pop_front();
            mEntries.push_back(std::move(entry));
            ++mAppended;
        }
        mChanged.notify_all();
    }

    // The entries kept, oldest first.
    std::vector<Entry> All() const {
        std::lock_guard lock(mMutex);
        return std::vector<Entry>(mEntries.begin(), mEntries.end());
    }

    // Entries appended since the last Clear, the dropped ones included.
    std::size_t Count() const {
        std::lock_guard lock(mMutex);
        return mAppended;
    }

    void Clear() {
        std::lock_guard lock(mMutex);
        mEntries.clear();
        mAppended = 0;
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

    // Until Count() reaches `count`.
    bool WaitFor(std::size_t count, std::chrono::milliseconds timeout) const {
        std::unique_lock lock(mMutex);
        mChanged.wait_for(lock, timeout, [&] { return mClosed || mAppended >= count; });
        return mAppended >= count;
    }

private:
    const std::size_t mCapacity;
    mutable std::mutex mMutex;
    mutable std::condition_variable mChanged;
    std::deque<Entry> mEntries;
    std::size_t mAppended = 0;
    bool mClosed = false;
};

} // namespace kavelin::device
