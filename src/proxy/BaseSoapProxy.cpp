#include "proxy/BaseSoapProxy.h"

#include "platform/BstrString.h"
#include "platform/Logging.h"
#include "platform/PlatformServices.h"
#include "transport/TransportPlugins.h"

namespace kavelin::proxy {

namespace {
void ReadProperty(ISessionInfo& sessionInfo, HRESULT (STDMETHODCALLTYPE ISessionInfo::*get)(BSTR*),
                  std::string* output) {
    if (output == nullptr)
        return;
    // A failed get leaves the value null, which reads as an empty text.
    platform::BstrString value;
    (sessionInfo.*get)(value.Receive());
    *output = value.Narrow();
}
} // namespace

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
    const ProxyUseGuard use(User(), "IBaseSoap::Initialize");
    if (use.Refused())
        return;
    // Before the object is replaced, so that ending the session works on the previous one.
    SetServiceUrl(serviceUrl);
    mSessionInfo = sessionInfo;
    if (mSessionInfo) {
        KV_LOG(3, "IBaseSoap::Initialize - session info set by caller.");
        mEndSessionOnDestroy = false;
    }
    KV_LOG(5, "IBaseSoap::Initialize - Exit");
}

void BaseSoapProxy::SetServiceUrl(const std::string& serviceUrl) {
    if (serviceUrl == mServiceUrl)
        return;
    KV_LOG(3, "IBaseSoap::SetServiceUrl - current: %s | new: %s", mServiceUrl.c_str(),
           serviceUrl.c_str());
    if (!mSessionId.__item.empty())
        EndSession();
    mEngine.Restart();
    mServiceUrl = serviceUrl;
    mEngine.SetTimeouts(ReadExchangeTimeouts());
    RegisterTransportPlugins(Soap(), mServiceUrl.c_str());
}

void BaseSoapProxy::SetSessionID(std::string sessionId) {
    KV_LOG(3, "IBaseSoap::SetSessionID - set session id: %s", sessionId.c_str());
    const ProxyUseGuard use(User(), "IBaseSoap::SetSessionID");
    if (use.Refused())
        return;
    if (mSessionInfo) {
        platform::BstrString value(sessionId);
        mSessionInfo->put_SessionID(value.Get());
    }
    mSessionId.__item = sessionId;
    mHeaderCarriesSessionId = true;
    RebuildHeader();
}

void BaseSoapProxy::ReadSessionInfo(std::string* sessionId, std::string* sessionData,
                                    std::string* language, std::string* roles) {
    if (!mSessionInfo) {
        mSessionInfo.CreateInstance(kSessionInfoProgId);
        if (!mSessionInfo)
            return;
    }
    ReadProperty(*mSessionInfo.Get(), &ISessionInfo::get_SessionID, sessionId);
    ReadProperty(*mSessionInfo.Get(), &ISessionInfo::get_SessionData, sessionData);
    ReadProperty(*mSessionInfo.Get(), &ISessionInfo::get_Language, language);
    ReadProperty(*mSessionInfo.Get(), &ISessionInfo::get_Roles, roles);
}

} // namespace kavelin::proxy
