#include "proxy/Exchanger.h"

#include <chrono>
#include <utility>

#include "platform/Logging.h"
#include "proxy/ExchangeFailure.h"
#include "proxy/ServiceUrlForm.h"
#include "transport/OrvantaDCSPlugin.h"
#include "transport/SoapMsgLogging.h"
#include "transport/TransportPlugins.h"

namespace kavelin::proxy {

namespace {
constexpr int kAttempts = 2;
} // namespace

void Exchanger::Reset(const std::string& serviceUrl) {
    mEngine.Restart();
    mServiceUrl = serviceUrl;
    mEngine.SetTimeouts(ReadExchangeTimeouts());
    transport::RegisterTransportPlugins(Soap(), mServiceUrl.c_str());
    mHasPeer = HasPeer();
}

void Exchanger::CarrySessionId(const std::string& sessionId) {
    mSessionId.__item = sessionId;
    mHeaderCarriesSessionId = true;
    RebuildHeader();
}

void Exchanger::DropSessionId() {
    mHeaderCarriesSessionId = false;
    RebuildHeader();
}

void Exchanger::SetCause(CPExceptionCause cause) {
    mCause = std::move(cause);
}

void Exchanger::Prepare(TimeStampUse timeStamp) {
    mEngine.ReleaseDecodedData();
    mEngine.DropUnreadAnswer();
    mEngine.StoreNextRequest();
    mTimestamp = time(nullptr);
    if (timeStamp == TimeStampUse::Point)
        mHeaderCarriesTimeStamp = true;
    RebuildHeader();
    Soap()->header = &mHeader;
}

void Exchanger::RebuildHeader() {
    mHeader.headers = nullptr;
    mHeader.bsi__SessionID = mHeaderCarriesSessionId ? &mSessionId : nullptr;
    mHeader.dd__TimeStamp = mHeaderCarriesTimeStamp ? &mTimestamp : nullptr;
}

bool Exchanger::HasPeer() {
    // Only a network peer, the data stream or playback's files may take the exchange: the
    // engine would send a hostless URL's request to the host's standard output and wait on its
    // standard input. Playback connects nowhere and sends and receives through its own hooks.
    return soap_lookup_plugin(Soap(), transport::kOrvantaDCSPluginId) != nullptr ||
           soap_lookup_plugin(Soap(), transport::kSoapMsgLoggingId) != nullptr ||
           NamesNetworkPeer(mServiceUrl);
}

bool Exchanger::Attempt(const Operation& operation, const Call& call) {
    Prepare(operation.timeStamp);
    if (operation.invokingLine != nullptr)
        KV_LOG(3, "%s", operation.invokingLine);
    if (!mHasPeer) {
        mCause = CauseWithoutExchange("the service URL names no host (http://host[:port]/path)");
        KV_LOG(1, "%s - error: exchange failed: %s", operation.name, CauseLogText(mCause).c_str());
        return false;
    }
    const auto start = std::chrono::steady_clock::now();
    const int status = call(Soap(), mServiceUrl.c_str(), operation.action);
    if (status == SOAP_OK)
        return true;
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    mCause = DescribeFailedExchange(Soap(), status, elapsed);
    KV_LOG(1, "%s - error: exchange failed: %s", operation.name, CauseLogText(mCause).c_str());
    // What is left of a failed answer on a kept-alive connection or data stream must not be
    // read as the next answer: the next exchange connects anew.
    mEngine.CloseConnection();
    return false;
}

bool Exchanger::Repeat(const Operation& operation, const Call& call) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (Attempt(operation, call))
            return true;
        KV_LOG(1, "%s", operation.retryLine);
    }
    return false;
}

bool Exchanger::WithRetry(const Operation& operation, const Call& call,
                          const std::function<bool()>& restart) {
    try {
        for (int attempt = 1;; ++attempt) {
            if (Attempt(operation, call))
                return true;
            if (attempt == kAttempts)
                return false;
            KV_LOG(1, "%s", operation.retryLine);
            if (!restart())
                return false;
        }
    } catch (...) {
        mCause = CauseWithoutExchange("the exchange raised an error");
        return false;
    }
}

void Exchanger::Unchecked(const Operation& operation, const Call& call) {
    Prepare(operation.timeStamp);
    call(Soap(), mServiceUrl.c_str(), operation.action);
}

} // namespace kavelin::proxy
