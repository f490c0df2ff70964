#include "proxy/ProxyUseGuard.h"

#include "platform/Logging.h"
#include "proxy/ExchangeFailure.h"

namespace kavelin::proxy {

namespace {
constexpr char kInUse[] = "another thread is using this proxy";
} // namespace

ProxyUseGuard::ProxyUseGuard(ProxyUser& user, const char* operation) : mUser(user) {
    const std::thread::id self = std::this_thread::get_id();
    std::thread::id inside{};
    // Acquire pairs with the release in the destructor, so a host that hands the proxy from
    // one thread to the next in turn sees the state the last call left.
    if (mUser.mThread.compare_exchange_strong(inside, self, std::memory_order_acquire))
        mOwner = true;
    else if (inside != self)
        mRefused = true;
    if (mRefused)
        KV_LOG(1, "%s - error: %s, call refused!!!", operation, kInUse);
}

ProxyUseGuard::ProxyUseGuard(ProxyUser& user, const char* operation,
                             void (*fail)(const CPExceptionCause& cause))
    : ProxyUseGuard(user, operation) {
    if (mRefused)
        fail(CauseWithoutExchange(kInUse));
}

ProxyUseGuard::~ProxyUseGuard() {
    if (mOwner)
        mUser.mThread.store(std::thread::id{}, std::memory_order_release);
}

} // namespace kavelin::proxy
