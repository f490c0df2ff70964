#pragma once

#include <string>
#include <type_traits>

#include "kavelin/Kavelin.h"
#include "proxy/Exchanger.h"
#include "proxy/Operations.h"
#include "proxy/ProxyUseGuard.h"
#include "proxy/SessionKeeper.h"

namespace kavelin::proxy {

// The proxy's behaviour as the base interface defines it: sessions, events, the reserved
// slots, and the rules that every remote operation shares. The data-access slots only give
// their "not implemented" answers here; XDMAccessSoapProxy implements them.
class BaseSoapProxy : public IXDMAccessSoap {
public:
    BaseSoapProxy();
    ~BaseSoapProxy() override;

    std::string Reserved0(std::string text, int32_t word) override;
    std::string Reserved1(std::string text, int32_t word) override;
    std::string Reserved2(std::string text, int32_t word) override;
    void Reserved3(std::string first, std::string second, int32_t word) override;
    void Reserved4(std::string text, int32_t word) override;
    void SetSessionID(std::string sessionId) override;
    std::string StartSession() override;
    void EndSession() override;
    std::string Subscribe(std::string subscriptionInfo, std::string filter,
                          std::string fallbackAddress) override;
    void Unsubscribe(std::string subscriptionId) override;
    RemoteArray* GetSupportedEvents() override;
    int32_t Reserved11(std::string text) override;
    void Initialize(std::string serviceUrl, CPComPtr<ISessionInfo> sessionInfo) override;
    std::string GetData(std::string path, std::string prefixMap, int32_t word1,
                        int32_t word2) override;
    bool SetData(std::string document, uint8_t resultsDetails, int32_t word1,
                 int32_t word2) override;
    std::string GetSettable(int32_t word) override;
    std::string Reserved16(int32_t word) override;
    std::string Reserved17(std::string text, int32_t word) override;
    bool Reserved18(std::string first, std::string second, int32_t word) override;
    bool Reserved19(std::string text, int32_t word) override;

    // Changes the endpoint: ends a session the proxy ever held, restarts the engine context,
    // registers the transport plug-ins and reads the exchange timeouts. Same URL: no effect.
    void SetServiceUrl(const std::string& serviceUrl);

protected:
    // Runs a host's call of `operation`: its Enter line, the proxy's one-thread claim for the
    // whole run, `work`, its Exit line. A refused call fails as the operation fails, or returns
    // without effect when the operation never fails.
    template <class Work> auto Invoke(const Operation& operation, Work&& work) -> decltype(work()) {
        LogEnter(operation);
        const ProxyUseGuard use(mUser, operation);
        if constexpr (std::is_void_v<decltype(work())>) {
            if (use.Refused())
                return;
        }
        return Exited(operation, std::forward<Work>(work));
    }

    // The session ID that the session-information object holds, after starting a session when
    // it holds none; empty when there is still none. Throws CPException "StartSession
    // Failed!!!" when the start throws.
    std::string GuardSession();
    // The session guard of an operation that needs a session: fails `operation` without an
    // exchange when there is still none.
    void RequireSession(const Operation& operation);

    // The operation's exchanges under the retry rule: after a failed first attempt the session
    // is restarted and the request goes once more. True when an attempt succeeded; otherwise
    // Cause() says why.
    bool Exchange(const Operation& operation, const Exchanger::Call& call);

    const CPExceptionCause& Cause() const { return mExchanger.Cause(); }
    const std::string& ServiceUrl() const { return mExchanger.ServiceUrl(); }

private:
    // Subscribe's work inside its Enter and Exit lines.
    std::string SubscribeWork(const std::string& subscriptionInfo, const std::string& filter,
                              const std::string& fallbackAddress);

    Exchanger mExchanger;
    SessionKeeper mSessions{mExchanger};
    bool mEndSessionOnDestroy = true;
    ProxyUser mUser;
};

} // namespace kavelin::proxy
