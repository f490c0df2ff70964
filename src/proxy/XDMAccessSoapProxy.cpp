#include <utility>
#include <vector>

#include "platform/Logging.h"
#include "proxy/ExchangeFailure.h"
#include "proxy/ParameterDocuments.h"
#include "proxy/XDMAccessSoapProxy.h"
#include "proxy/XdmDocumentCheck.h"

namespace kavelin::proxy {

std::string XDMAccessSoapProxy::GetData(std::string path, std::string prefixMap, int32_t, int32_t) {
    return Invoke(operations::kGetData, [&] { return GetDataWork(path, prefixMap); });
}

std::string XDMAccessSoapProxy::GetDataWork(const std::string& path, const std::string& prefixMap) {
    const Operation& operation = operations::kGetData;
    RequireSession(operation);

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
            Fail(operation, CauseWithoutExchange(read != nullptr
                                                     ? "the prefix map names no Prefix and URL pair"
                                                     : "the prefix map did not load"));
        request.Prefixes = &prefixes;
    }

    __ixawsdl__GetDataResponse response{};
    if (!Exchange(operation, [&](struct soap* soap, const char* url, const char* action) {
            return binding::GetData(soap, url, action, &request, response);
        }))
        Fail(operation, Cause());
    if (response.ixagd__GetDataResponse == nullptr)
        return {};
    // The text moves out: a large answer is not held twice.
    return std::move(binding::ResultOf(*response.ixagd__GetDataResponse));
}

bool XDMAccessSoapProxy::SetData(std::string document, uint8_t resultsDetails, int32_t, int32_t) {
    const Operation& operation = operations::kSetData;
    return Invoke(operation, [&] {
        RequireSession(operation);
        if (document.empty())
            Fail(operation, CauseWithoutExchange("the document is empty"));
        if (const std::optional<std::string> refusal = WhyDocumentCannotBeSent(document)) {
            KV_LOG(1, "IXDMAccessSoap::SetData - error: unable to send xdm document: %s",
                   refusal->c_str());
            Fail(operation, CauseWithoutExchange(*refusal));
        }

        _ixasd__SetData request;
        // Written as it stands (checked above): the engine's literal writer only reads the text.
        request.XDM_USCOREDocument.Ticket.text = document.data();
        request.ResultsDetails = resultsDetails != 0;
        __ixawsdl__SetDataResponse response{};
        if (!Exchange(operation, [&](struct soap* soap, const char* url, const char* action) {
                return binding::SetData(soap, url, action, &request, response);
            }))
            Fail(operation, Cause());
        return true;
    });
}

std::string XDMAccessSoapProxy::GetSettable(int32_t) {
    const Operation& operation = operations::kGetSettable;
    return Invoke(operation, [&] {
        RequireSession(operation);
        __ixawsdl__GetSettableResponse response{};
        if (!Exchange(operation, [&](struct soap* soap, const char* url, const char* action) {
                return binding::GetSettable(soap, url, action, nullptr, response);
            }))
            Fail(operation, Cause());
        std::string answer;
        if (response.ixagd__GetSettableResponse != nullptr &&
            response.ixagd__GetSettableResponse->GetSettableResult.Ticket.text != nullptr)
            answer = response.ixagd__GetSettableResponse->GetSettableResult.Ticket.text;
        return answer;
    });
}

} // namespace kavelin::proxy
