#include <utility>
#include <vector>

#include "platform/Logging.h"
#include "proxy/ExchangeFailure.h"
#include "proxy/ParameterDocuments.h"
#include "proxy/XDMAccessSoapProxy.h"
#include "proxy/XdmDocumentCheck.h"

namespace kavelin::proxy {

namespace {

constexpr ExchangeLines kGetDataLines{
    "IXDMAccessSoap::GetData - invoking gSoap get data function.",
    "IXDMAccessSoap::GetData - error: gSoap get data function failed - attempting retry!!!"};
constexpr ExchangeLines kSetDataLines{
    "IXDMAccessSoap::SetData - invoking gSoap set data function.",
    "IXDMAccessSoap::SetData - error: gSoap set data function failed - attempting retry!!!"};
constexpr ExchangeLines kGetSettableLines{
    "IXDMAccessSoap::GetSettable - invoking gSoap get settable function.",
    "IXDMAccessSoap::GetSettable - error: gSoap get settable function failed - attempting "
    "retry!!!"};

[[noreturn]] void FailGetData(const CPExceptionCause& cause) {
    KV_LOG(1, "IXDMAccessSoap::GetData - error: get data failed throwing exception!!!");
    throw CPExceptionWithCause("Get Data Failed!!!", E_FAIL, cause);
}

[[noreturn]] void FailSetData(const CPExceptionCause& cause) {
    KV_LOG(1, "IXDMAccessSoap::SetData - error: set data failed throwing exception!!!");
    throw CPExceptionWithCause("Set Data Failed!!!", E_FAIL, cause);
}

[[noreturn]] void FailGetSettable(const CPExceptionCause& cause) {
    KV_LOG(1, "IXDMAccessSoap::GetSettable - error: get settable failed throwing exception!!!");
    throw CPExceptionWithCause("Get Settable Failed!!!", E_FAIL, cause);
}

} // namespace

std::string XDMAccessSoapProxy::GetData(std::string path, std::string prefixMap, int32_t, int32_t) {
    KV_LOG(5, "IXDMAccessSoap::GetData - Enter");
    const ProxyUseGuard use(User(), "IXDMAccessSoap::GetData", FailGetData);
    if (GuardSession().empty())
        FailGetData(CauseWithoutExchange(kNoSessionGranted));

    _ixagd__GetData request;
    request.Path = path;
    std::vector<ixagd__PrefixMap_USCOREt> entries;
    ixagd__PrefixMapList prefixes;
    if (!prefixMap.empty()) {
        // A DOM failure after the map has loaded leaves as the DOM raised it.
        const std::vector<PrefixMapEntry>* read = mPrefixMaps.Read(prefixMap);
        if (read != nullptr) {
            entries.resize(read->size());
            for (size_t i = 0; i < read->size(); ++i) {
                entries[i].Prefix = (*read)[i].prefix;
                entries[i].URL = (*read)[i].url;
                prefixes.PrefixMap.push_back(&entries[i]);
            }
        }
        // A map that was given but names no prefix would change the query's meaning.
        if (entries.empty())
            FailGetData(CauseWithoutExchange(read != nullptr
                                                 ? "the prefix map names no Prefix and URL pair"
                                                 : "the prefix map did not load"));
        request.Prefixes = &prefixes;
    }

    __ixawsdl__GetDataResponse response{};
    bool succeeded = false;
    try {
        succeeded = ExchangeWithRetry(TimeStampUse::Point, kGetDataLines, [&] {
            return soap_call___ixawsdl__GetData(Soap(), ServiceUrl(), "GetData", &request,
                                                response);
        });
    } catch (...) {
        SetLastCause(CauseWithoutExchange("the exchange raised an error"));
        succeeded = false;
    }
    if (!succeeded)
        FailGetData(LastCause());

    std::string answer;
    if (response.ixagd__GetDataResponse != nullptr)
        answer = std::move(binding::ResultOf(*response.ixagd__GetDataResponse));
    KV_LOG(5, "IXDMAccessSoap::GetData - Exit");
    return answer;
}

bool XDMAccessSoapProxy::SetData(std::string document, uint8_t resultsDetails, int32_t, int32_t) {
    KV_LOG(5, "IXDMAccessSoap::SetData - Enter");
    const ProxyUseGuard use(User(), "IXDMAccessSoap::SetData", FailSetData);
    if (GuardSession().empty())
        FailSetData(CauseWithoutExchange(kNoSessionGranted));
    if (document.empty())
        FailSetData(CauseWithoutExchange("the document is empty"));
    if (const std::optional<std::string> refusal = WhyDocumentCannotBeSent(document)) {
        KV_LOG(1, "IXDMAccessSoap::SetData - error: unable to send xdm document: %s",
               refusal->c_str());
        FailSetData(CauseWithoutExchange(*refusal));
    }

    _ixasd__SetData request;
    // Written as it stands (checked above): the engine's literal writer only reads the text.
    request.XDM_USCOREDocument.Ticket.text = document.data();
    request.ResultsDetails = resultsDetails != 0;
    __ixawsdl__SetDataResponse response{};
    if (!ExchangeWithRetry(TimeStampUse::Leave, kSetDataLines, [&] {
            return soap_call___ixawsdl__SetData(Soap(), ServiceUrl(), "SetData", &request,
                                                response);
        }))
        FailSetData(LastCause());
    KV_LOG(5, "IXDMAccessSoap::SetData - Exit");
    return true;
}

std::string XDMAccessSoapProxy::GetSettable(int32_t) {
    KV_LOG(5, "IXDMAccessSoap::GetSettable - Enter");
    const ProxyUseGuard use(User(), "IXDMAccessSoap::GetSettable", FailGetSettable);
    if (GuardSession().empty())
        FailGetSettable(CauseWithoutExchange(kNoSessionGranted));

    __ixawsdl__GetSettableResponse response{};
    if (!ExchangeWithRetry(TimeStampUse::Leave, kGetSettableLines, [&] {
            return soap_call___ixawsdl__GetSettable(Soap(), ServiceUrl(), "GetSettable", nullptr,
                                                    response);
        }))
        FailGetSettable(LastCause());

    std::string answer;
    if (response.ixagd__GetSettableResponse != nullptr &&
        response.ixagd__GetSettableResponse->GetSettableResult.Ticket.text != nullptr)
        answer = response.ixagd__GetSettableResponse->GetSettableResult.Ticket.text;
    KV_LOG(5, "IXDMAccessSoap::GetSettable - Exit");
    return answer;
}

} // namespace kavelin::proxy
