#include <chrono>
#include <string_view>

#include "platform/Logging.h"
#include "proxy/BaseSoapProxy.h"
#include "proxy/ExchangeFailure.h"
#include "proxy/ServiceUrlForm.h"
#include "transport/OrvantaDCSPlugin.h"
#include "transport/SoapMsgLogging.h"

namespace kavelin::proxy {

namespace {
// "Class::Operation", the start of every line of the operation.
std::string OperationOf(const ExchangeLines& lines) {
    const std::string_view retry = lines.retry;
    return std::string(retry.substr(0, retry.find(" - ")));
}
} // namespace

void BaseSoapProxy::PrepareExchange(TimeStampUse timeStamp) {
    mEngine.ReleaseDecodedData();
    mEngine.DropUnreadAnswer();
    mTimestamp = time(nullptr);
    if (timeStamp == TimeStampUse::Point)
        mHeaderCarriesTimeStamp = true;
    RebuildHeader();
    Soap()->header = &mHeader;
}

void BaseSoapProxy::RebuildHeader() {
    mHeader.headers = nullptr;
    mHeader.bsi__SessionID = mHeaderCarriesSessionId ? &mSessionId : nullptr;
    mHeader.dd__TimeStamp = mHeaderCarriesTimeStamp ? &mTimestamp : nullptr;
}

std::string BaseSoapProxy::GuardSession() {
    std::string sessionId;
    ReadSessionInfo(&sessionId);
    if (!sessionId.empty())
        return sessionId;
    try {
        return StartSession();
    } catch (const CPException& failure) {
        const CPExceptionCause* cause = GetExceptionCause(failure);
        throw CPExceptionWithCause("StartSession Failed!!!", E_FAIL,
                                   cause != nullptr ? *cause : LastCause());
    } catch (...) {
        throw CPExceptionWithCause("StartSession Failed!!!", E_FAIL,
                                   CauseWithoutExchange("starting the session raised an error"));
    }
}

bool BaseSoapProxy::RunExchange(const char* operation, const std::function<int()>& call) {
    // Only a network peer, the data stream or playback's files may take the exchange: the
    // engine would send a hostless URL's request to the host's standard output and wait on its
    // standard input. Playback connects nowhere and sends and receives through its own hooks.
    if (soap_lookup_plugin(Soap(), kOrvantaDCSPluginId) == nullptr &&
        soap_lookup_plugin(Soap(), kSoapMsgLoggingId) == nullptr &&
        !NamesNetworkPeer(ServiceUrl())) {
        mLastCause =
            CauseWithoutExchange("the service URL names no host (http://host[:port]/path)");
        KV_LOG(1, "%s - error: exchange failed: %s", operation, CauseLogText(mLastCause).c_str());
        return false;
    }
    const auto start = std::chrono::steady_clock::now();
    int status = call();
    // The engine reads an answer without a SOAP envelope (a web page) as plain XML, and a
    // response whose result may be absent then decodes as empty: no answer at all.
    if (status == SOAP_OK && Soap()->version == 0)
        status = SOAP_NO_TAG;
    if (status == SOAP_OK)
        return true;
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    mLastCause = DescribeFailedExchange(Soap(), status, elapsed);
    KV_LOG(1, "%s - error: exchange failed: %s", operation, CauseLogText(mLastCause).c_str());
    // What is left of a failed answer on a kept-alive connection or data stream must not be
    // read as the next answer: the next exchange connects anew.
    mEngine.CloseConnection();
    return false;
}

bool BaseSoapProxy::ExchangeWithRetry(TimeStampUse timeStamp, const ExchangeLines& lines,
                                      const std::function<int()>& call) {
    constexpr int kAttempts = 2;
    for (int attempt = 1;; ++attempt) {
        PrepareExchange(timeStamp);
        if (lines.invoking != nullptr)
            KV_LOG(3, "%s", lines.invoking);
        if (RunExchange(OperationOf(lines).c_str(), call))
            return true;
        if (attempt == kAttempts)
            return false;
        KV_LOG(1, "%s", lines.retry);
        try {
            EndSession();
            if (StartSession().empty()) {
                mLastCause = CauseWithoutExchange(kNoSessionGranted);
                return false;
            }
        } catch (...) {
            // The restart's own failed exchange has left its cause.
            return false;
        }
    }
}

} // namespace kavelin::proxy
