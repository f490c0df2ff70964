#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "binding/Binding.h"
#include "kavelin/CPException.h"
#include "proxy/EngineContext.h"
#include "proxy/Operations.h"

namespace kavelin::proxy {

// The proxy's exchanges with the device: the engine context, the service URL, the SOAP header
// with its session ID and time stamp, the attempt rules, and why the last exchange failed.
class Exchanger {
public:
    // One client call of the binding: the engine context, the endpoint and the SOAP action in,
    // the engine's status out (0 on success).
    using Call = std::function<int(struct soap* soap, const char* endpoint, const char* action)>;

    struct soap* Soap() {
        return mEngine.Soap();
    }
    const std::string& ServiceUrl() const { return mServiceUrl; }

    // Makes `serviceUrl` the endpoint of every later exchange: restarts the engine context,
    // registers the transport plug-ins and reads the exchange timeouts.
    void Reset(const std::string& serviceUrl);

    // The session ID the header carries from now on; kept after DropSessionId.
    void CarrySessionId(const std::string& sessionId);
    void DropSessionId();
    // The last session ID the header was given, empty when it never was.
    const std::string& SessionId() const { return mSessionId.__item; }

    // One attempt of `call` as `operation`. On failure the cause is kept (Cause) and logged at
    // level 1 as "<operation> - error: exchange failed: <cause>". True when it returned 0.
    bool Attempt(const Operation& operation, const Call& call);

    // At most two attempts of `call`, after each failed one the operation's retry line and
    // nothing else: the session start itself, which no restart can help.
    bool Repeat(const Operation& operation, const Call& call);

    // At most two attempts of `call`; after a failed first one, the retry line and `restart`,
    // which restarts the session (false: it could not, and the cause says why). An exception
    // from either ends the attempts as a failure.
    bool WithRetry(const Operation& operation, const Call& call,
                   const std::function<bool()>& restart);

    // One attempt whose result nobody examines: nothing is logged, and a failure leaves no cause.
    void Unchecked(const Operation& operation, const Call& call);

    // Why the last exchange of this proxy failed, for the operation's CPException.
    const CPExceptionCause& Cause() const { return mCause; }
    void SetCause(CPExceptionCause cause);

private:
    // Before every attempt: frees what earlier exchanges decoded, stores the time, points the
    // engine's header at the proxy's header. Requests must therefore be owned by the caller
    // (stack or heap), never allocated in the engine context.
    void Prepare(TimeStampUse timeStamp);

    // Points the header's members at the proxy's own values. The engine decodes an answer's
    // SOAP header into the structure that its header pointer names, so the structure is
    // rebuilt from these flags before every exchange and never keeps decoded pointers.
    void RebuildHeader();

    // Whether anything may take the exchange at all (see Attempt).
    bool HasPeer();

    EngineContext mEngine;
    std::string mServiceUrl;
    time_t mTimestamp = 0;
    bsi__SessionID_USCOREt mSessionId;
    struct SOAP_ENV__Header mHeader {};
    bool mHeaderCarriesSessionId = false;
    bool mHeaderCarriesTimeStamp = false;
    // HasPeer for the URL and plug-ins in place, which change only in Reset.
    bool mHasPeer = false;
    CPExceptionCause mCause;
};

} // namespace kavelin::proxy
