#include "proxy/ProxyUseGuard.h"

#include "platform/Logging.h"
#include "proxy/ExchangeFailure.h"

namespace kavelin::proxy {

namespace {
constexpr char kInUse[] = "another thread is using this proxy";
} // namespace

ProxyUseGuard::ProxyUseGuard(ProxyUser& user, const char* operation) : mUser(user) {
    std::thread::id inside{};
    // Acquire pairs with the release in the destructor, so a host that hands the proxy from
    // one thread to the next in turn sees the state the last call left.
    mRefused = !mUser.mThread.compare_exchange_strong(inside, std::this_thread::get_id(),
                                                      std::memory_order_acquire);
    if (mRefused)
        KV_LOG(1, "%s - error: %s, call refused!!!", operation, kInUse);
}

ProxyUseGuard::ProxyUseGuard(ProxyUser& user, const Operation& operation)
    : ProxyUseGuard(user, operation.name) {
    if (mRefused && operation.failureText != nullptr)
        Fail(operation, CauseWithoutExchange(kInUse));
}

ProxyUseGuard::~ProxyUseGuard() {
    if (!mRefused)
        mUser.mThread.store(std::thread::id{}, std::memory_order_release);
}

} // namespace kavelin::proxy
