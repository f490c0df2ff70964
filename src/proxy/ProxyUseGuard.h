#pragma once

#include <atomic>
#include <thread>

#include "proxy/Operations.h"

// A proxy serves one thread at a time: its engine context, header and fields are unguarded,
// and two threads in one engine context corrupt its memory. Each public operation holds a
// guard for its whole run, so a call from a second thread meanwhile is refused at once instead.
// The proxy's own session starts and ends do not take it, so nothing nests: a call that finds
// the proxy in use is refused, whichever thread makes it. No lock: separate proxies never wait
// for each other.
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
    // While another call is inside, logs the refusal at level 1 under the operation's name and,
    // for an operation that fails, fails as it fails everywhere else: its failure line, then
    // its CPException, here with a cause that says why. One that never fails reports Refused()
    // and returns without effect.
    ProxyUseGuard(ProxyUser& user, const Operation& operation);
    // As above, for an operation that throws nothing, named "Class::Operation".
    ProxyUseGuard(ProxyUser& user, const char* operation);
    ~ProxyUseGuard();
    ProxyUseGuard(const ProxyUseGuard&) = delete;
    ProxyUseGuard& operator=(const ProxyUseGuard&) = delete;

    bool Refused() const { return mRefused; }

private:
    ProxyUser& mUser;
    bool mRefused = false;
};

} // namespace kavelin::proxy
