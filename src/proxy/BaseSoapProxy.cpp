#include "proxy/BaseSoapProxy.h"

#include "platform/Logging.h"
#include "proxy/ExchangeFailure.h"

namespace kavelin::proxy {

BaseSoapProxy::BaseSoapProxy() {
    KV_LOG(3, "IBaseSoap - Constructor");
}

BaseSoapProxy::~BaseSoapProxy() {
    KV_LOG(3, "IBaseSoap - Destructor");
    if (!mEndSessionOnDestroy)
        return;
    try {
        BaseSoapProxy::EndSession();
    } catch (...) {
        // Destruction must not fail: a session that cannot be ended is left to the device.
    }
}

void BaseSoapProxy::Initialize(std::string serviceUrl, CPComPtr<ISessionInfo> sessionInfo) {
    KV_LOG(5, "IBaseSoap::Initialize - Enter");
    const ProxyUseGuard use(mUser, "IBaseSoap::Initialize");
    if (use.Refused())
        return;
    // Before the object is replaced, so that ending the session works on the previous one.
    SetServiceUrl(serviceUrl);
    mSessions.SetSessionInfo(sessionInfo);
    if (mSessions.HasSessionInfo()) {
        KV_LOG(3, "IBaseSoap::Initialize - session info set by caller.");
        mEndSessionOnDestroy = false;
    }
    KV_LOG(5, "IBaseSoap::Initialize - Exit");
}

void BaseSoapProxy::SetServiceUrl(const std::string& serviceUrl) {
    if (serviceUrl == ServiceUrl())
        return;
    KV_LOG(3, "IBaseSoap::SetServiceUrl - current: %s | new: %s", ServiceUrl().c_str(),
           serviceUrl.c_str());
    if (!mExchanger.SessionId().empty())
        Traced(operations::kEndSession, [this] { mSessions.End(); });
    mExchanger.Reset(serviceUrl);
}

void BaseSoapProxy::SetSessionID(std::string sessionId) {
    KV_LOG(3, "IBaseSoap::SetSessionID - set session id: %s", sessionId.c_str());
    const ProxyUseGuard use(mUser, "IBaseSoap::SetSessionID");
    if (use.Refused())
        return;
    mSessions.Adopt(sessionId);
}

std::string BaseSoapProxy::StartSession() {
    return Invoke(operations::kStartSession, [this] { return mSessions.Start(); });
}

void BaseSoapProxy::EndSession() {
    Invoke(operations::kEndSession, [this] { mSessions.End(); });
}

std::string BaseSoapProxy::GuardSession() {
    return mSessions.Guard();
}

void BaseSoapProxy::RequireSession(const Operation& operation) {
    if (GuardSession().empty())
        Fail(operation, CauseWithoutExchange(kNoSessionGranted));
}

bool BaseSoapProxy::Exchange(const Operation& operation, const Exchanger::Call& call) {
    return mExchanger.WithRetry(operation, call, [this] { return mSessions.Restart(); });
}

} // namespace kavelin::proxy
