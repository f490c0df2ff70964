#include "platform/Logging.h"
#include "proxy/BaseSoapProxy.h"

namespace kavelin::proxy {

void BaseSoapProxy::PrepareExchange(TimeStampUse timeStamp) {
    mEngine.ReleaseDecodedData();
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
    } catch (...) {
        throw CPException("StartSession Failed!!!", E_FAIL);
    }
}

bool BaseSoapProxy::ExchangeWithRetry(TimeStampUse timeStamp, const ExchangeLines& lines,
                                      const std::function<int()>& call) {
    constexpr int kAttempts = 2;
    for (int attempt = 1;; ++attempt) {
        PrepareExchange(timeStamp);
        if (lines.invoking != nullptr)
            KV_LOG(3, "%s", lines.invoking);
        if (call() == SOAP_OK)
            return true;
        if (attempt == kAttempts)
            return false;
        KV_LOG(1, "%s", lines.retry);
        try {
            EndSession();
            if (StartSession().empty())
                return false;
        } catch (...) {
            return false;
        }
    }
}

} // namespace kavelin::proxy
