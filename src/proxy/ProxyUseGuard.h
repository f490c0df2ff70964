#pragma once

#include <atomic>
#include <thread>

#include "kavelin/CPException.h"

// A proxy serves one thread at a time: its engine context, header and fields are unguarded,
// and two threads in one engine context corrupt its memory. Each public operation holds a
// guard for its whole run, so a call from a second thread meanwhile is refused at once instead.
// The proxy's own nested calls (the session guard's StartSession, the retry's EndSession) run
// on the thread that holds it and pass. No lock: separate proxies never wait for each other.
namespace kavelin::proxy {

// Which thread is inside the proxy; none between calls.
class ProxyUser {
public:
    ProxyUser() = default;
    ProxyUser(const ProxyUser&) = delete;
    ProxyUser& operator=(const ProxyUser&) = delete;

private:
    friend class ProxyUseGuard;
    std::atomic<std::thread::id> mThread{};
};

class ProxyUseGuard {
public:
    // For an operation that fails with a CPException: while another thread is inside, logs
    // the refusal at level 1 under `operation` ("Class::Operation") and fails as the
    // operation fails everywhere else: through `fail`, which logs the operation's failure line
    // and throws its CPException, here with a cause that says why.
    ProxyUseGuard(ProxyUser& user, const char* operation,
                  void (*fail)(const CPExceptionCause& cause));
    // For an operation that throws nothing: while another thread is inside, logs the refusal
    // and reports Refused(); the operation then returns without effect.
    ProxyUseGuard(ProxyUser& user, const char* operation);
    ~ProxyUseGuard();
    ProxyUseGuard(const ProxyUseGuard&) = delete;
    ProxyUseGuard& operator=(const ProxyUseGuard&) = delete;

    bool Refused() const { return mRefused; }

private:
    ProxyUser& mUser;
    bool mOwner = false;
    bool mRefused = false;
};

} // namespace kavelin::proxy
