#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <utility>

#include "binding/Binding.h"
#include "kavelin/Kavelin.h"
#include "proxy/EngineContext.h"
#include "proxy/ProxyUseGuard.h"

namespace kavelin::proxy {

// Whether an exchange points the header's dd:TimeStamp at the proxy's time value. Only
// StartSession, EndSession and GetData do; the other operations leave the header as it is.
enum class TimeStampUse { Point, Leave };

// The log lines of one operation's exchanges under the retry rule.
struct ExchangeLines {
    // Level 3, after each preparation; null for an operation that logs none.
    const char* invoking;
    // Level 1, after a failed first attempt.
    const char* retry;
};

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

    // Reads the requested properties of the session-information object, creating the object
    // when the proxy holds none. Outputs stay untouched when no object can be had.
    void ReadSessionInfo(std::string* sessionId, std::string* sessionData = nullptr,
                         std::string* language = nullptr, std::string* roles = nullptr);

protected:
    // The shared helpers of the remote operations.

    struct soap* Soap() {
        return mEngine.Soap();
    }
    const char* ServiceUrl() const { return mServiceUrl.c_str(); }
    // Every public operation holds a ProxyUseGuard on it for its whole run.
    ProxyUser& User() { return mUser; }

    // Before every attempt: frees what earlier exchanges decoded, stores the time, points the
    // engine's header at the proxy's header. Requests must therefore be owned by the caller
    // (stack or heap), never allocated in the engine context.
    void PrepareExchange(TimeStampUse timeStamp);

    // The session ID that the session-information object holds, after starting a session when
    // it holds none; empty when there is still none (the caller then fails without an
    // exchange). Throws CPException "StartSession Failed!!!" when the start throws.
    std::string GuardSession();

    // At most two attempts of `call` (one client operation, returning the engine's status),
    // each prepared by PrepareExchange. After a failed first attempt: the retry line,
    // EndSession, StartSession; a start that throws or gives no session ends the attempts.
    // True when an attempt returned 0. Exceptions of `call` itself pass to the caller.
    bool ExchangeWithRetry(TimeStampUse timeStamp, const ExchangeLines& lines,
                           const std::function<int()>& call);

    // One attempt of `call`: on failure the cause is kept (LastCause) and logged at level 1
    // as "<operation> - error: exchange failed: <cause>". True when it returned 0.
    bool RunExchange(const char* operation, const std::function<int()>& call);

    // Why the last exchange of this proxy failed, for the operation's CPException.
    const CPExceptionCause& LastCause() const { return mLastCause; }
    void SetLastCause(CPExceptionCause cause) { mLastCause = std::move(cause); }

private:
    // Points the header's members at the proxy's own values. The engine decodes an answer's
    // SOAP header into the structure that its header pointer names, so the structure is
    // rebuilt from these flags before every exchange and never keeps decoded pointers.
    void RebuildHeader();

    EngineContext mEngine;
    bool mEndSessionOnDestroy = true;
    CPComPtr<ISessionInfo> mSessionInfo;
    std::string mServiceUrl;
    time_t mTimestamp = 0;
    bsi__SessionID_USCOREt mSessionId;
    struct SOAP_ENV__Header mHeader {};
    bool mHeaderCarriesSessionId = false;
    bool mHeaderCarriesTimeStamp = false;
    CPExceptionCause mLastCause;
    ProxyUser mUser;
};

} // namespace kavelin::proxy
