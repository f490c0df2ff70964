#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// A mutex that every thread and process naming it shares (here: every process of the same
// user). Ownership belongs to the thread that obtained it. A holder that dies without
// releasing leaves it abandoned, and the next waiter obtains it. Not recursive. No call waits
// without a bound: opening gives up after half a second, closing after a tenth.
namespace kavelin::os {

enum class MutexWait { Obtained, Abandoned, TimedOut, Failed };

// Abandoned counts as obtained: the waiter owns the mutex either way.
inline bool Owns(MutexWait result) {
    return result == MutexWait::Obtained || result == MutexWait::Abandoned;
}

class NamedMutex {
public:
    // Opens the mutex of that name, creating it (not owned) if nobody has it open. Null on
    // failure (also when something else stands at its name), with os::LastErrorCode() set.
    static std::unique_ptr<NamedMutex> OpenOrCreate(std::string_view name);

    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    MutexWait Wait(uint32_t timeoutMs);
    void Release();

    struct Shared;

private:
    NamedMutex(int descriptor, Shared* shared, std::string objectName);
    int mDescriptor;
    Shared* mShared;
    std::string mObjectName;
    // A forked child inherits the handle but never opened it: only the opener counts out.
    int mOpenerProcess;
};

} // namespace kavelin::os
