#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include <strings.h>

#include "os/kernel/HostAddress.h"
#include "os/kernel/LastError.h"
#include "platform/Logging.h"
#include "platform/RemoteArray.h"
#include "platform/VisibleText.h"
#include "proxy/BaseSoapProxy.h"
#include "proxy/ExchangeFailure.h"
#include "proxy/ParameterDocuments.h"

namespace kavelin::proxy {

namespace {

// A literal answer is whatever the Body holds, so a SOAP Fault decodes as one too; its HTTP
// status (500, as SOAP over HTTP sends every fault) tells it for the failed exchange it is.
constexpr int kFaultStatus = 500;

// The port of the host's event listener. An empty value names no port, like a missing one.
std::optional<std::string> ListenerPort() {
    const char* port = std::getenv("OVXORB_SOAP_SERVICE_PORT");
    if (port == nullptr || *port == '\0')
        return std::nullopt;
    return std::string(port);
}

// The host of an HTTP service URL ("http://[user@]host[:port]/path", any case); none for
// another form, such as the data stream's.
std::optional<std::string> DeviceHost(std::string_view url) {
    constexpr std::string_view kScheme = "http://";
    if (url.size() <= kScheme.size() ||
        strncasecmp(url.data(), kScheme.data(), kScheme.size()) != 0)
        return std::nullopt;
    std::string_view authority = url.substr(kScheme.size());
    authority = authority.substr(0, authority.find_first_of("/?#"));
    if (const size_t user = authority.rfind('@'); user != std::string_view::npos)
        authority.remove_prefix(user + 1);
    const std::string_view host = authority.substr(0, authority.find(':'));
    if (host.empty())
        return std::nullopt;
    return std::string(host);
}

// Where the device reaches this computer: the local end of the route to the device (the one
// interface known to lead there among several), whether or not a connection is open; the
// host's first address when the device's address is not known.
std::optional<std::string> DeliveryHostAddress(std::string_view serviceUrl) {
    if (const std::optional<std::string> device = DeviceHost(serviceUrl)) {
        if (std::optional<std::string> local = os::RouteLocalIPv4Address(*device))
            return local;
    }
    return os::FirstIPv4Address();
}

} // namespace

std::string BaseSoapProxy::Subscribe(std::string subscriptionInfo, std::string filter,
                                     std::string fallbackAddress) {
    return Invoke(operations::kSubscribe,
                  [&] { return SubscribeWork(subscriptionInfo, filter, fallbackAddress); });
}

std::string BaseSoapProxy::SubscribeWork(const std::string& subscriptionInfo,
                                         const std::string& filter,
                                         const std::string& fallbackAddress) {
    const Operation& operation = operations::kSubscribe;
    RequireSession(operation);

    os::XmlDomDocumentPtr dom;
    dom.CreateInstance();
    const SubscriptionDescription description =
        ReadSubscriptionInfo(dom, subscriptionInfo, fallbackAddress);

    // The lookups run only for a usable event; their error code is the one they left.
    std::string hostName;
    std::optional<std::string> hostAddress;
    if (!description.eventName.empty()) {
        if (const std::optional<std::string> name = os::LocalHostName()) {
            hostName = *name;
            hostAddress = DeliveryHostAddress(ServiceUrl());
        }
    }
    if (!hostAddress) {
        // The last socket error, whatever left it: without an event no lookup ran.
        const uint32_t lookupError = os::LastErrorCode();
        KV_LOG(1,
               "IBaseSoap::Subscribe - error: invalid event target: %s -or- unable to get host "
               "ip: %s | wsa error code:0x%X",
               description.eventName.c_str(), hostName.c_str(), lookupError);
        Fail(operation, CauseWithoutExchange(description.eventName.empty()
                                                 ? "the subscription names no event"
                                                 : "this computer's IPv4 address is unknown"));
    }

    const std::optional<std::vector<FilterPair>> filterRead = ReadFilter(dom, filter);
    if (!filterRead)
        Fail(operation, CauseWithoutExchange("the filter document does not load"));
    const std::vector<FilterPair>& pairs = *filterRead;

    std::string deliveryAddress;
    if (const std::optional<std::string> port = ListenerPort()) {
        deliveryAddress = "http://" + *hostAddress + ":" + *port + "/EventCallback";
        KV_LOG(3, "IBaseSoap::Subscribe - client delivery address: %s", deliveryAddress.c_str());
    } else {
        KV_LOG(2,
               "IBaseSoap::Subscribe - warning: unable to determine client delivery address - "
               "using: %s",
               fallbackAddress.c_str());
        deliveryAddress = fallbackAddress;
    }

    std::string clientCookie = description.clientCookie.value_or(std::string());
    bsi__SubscriptionInfo_USCOREt info;
    info.bsi__EventName = description.eventName;
    info.bsi__ReliabilityOption =
        static_cast<bsi__EventReliabilityDescriptor_USCOREt>(description.reliability);
    if (description.clientCookie)
        info.bsi__ClientCookie = &clientCookie;
    std::vector<bsi__Pair_USCOREt> filterPairs(pairs.size());
    bsi__FilterProperties_USCOREt filterProperties;
    for (size_t i = 0; i < pairs.size(); ++i) {
        filterPairs[i].bsi__Name = pairs[i].name;
        filterPairs[i].bsi__Value = pairs[i].value;
        filterProperties.bsi__FilterOn.push_back(&filterPairs[i]);
    }
    _bsi__Subscribe request;
    request.bsi__SubscriptionInfo = &info;
    if (!filterPairs.empty())
        request.bsi__FilterProperties = &filterProperties;
    request.bsi__ClientDeliveryAddress = deliveryAddress;

    _bsi__SubscribeResponse response;
    if (!Exchange(operation, [&](struct soap* soap, const char* url, const char* action) {
            return binding::Subscribe(soap, url, action, &request, &response);
        }))
        Fail(operation, Cause());
    const bsi__SubscriptionID_USCOREt* result = binding::ResultOf(response);
    if (result == nullptr || result->__item.empty())
        Fail(operation, CauseWithoutExchange("the device's answer holds no subscription ID"));
    return result->__item;
}

void BaseSoapProxy::Unsubscribe(std::string subscriptionId) {
    const Operation& operation = operations::kUnsubscribe;
    Invoke(operation, [&] {
        if (GuardSession().empty() || subscriptionId.empty()) {
            KV_LOG(1, "IBaseSoap::Unsubscribe - error: subscription id is empty string!!!");
            Fail(operation,
                 CauseWithoutExchange(subscriptionId.empty() ? "the subscription ID is empty"
                                                             : kNoSessionGranted));
        }

        bsi__SubscriptionID_USCOREt id;
        id.__item = subscriptionId;
        _bsi__Unsubscribe request;
        request.bsi__SubscriptionID = &id;
        KV_LOG(3, "IBaseSoap::Unsubscribe - unsubscribing for event: %s", subscriptionId.c_str());
        char* answer = nullptr;
        if (!Exchange(operation, [&](struct soap* soap, const char* url, const char* action) {
                const int result = binding::Unsubscribe(soap, url, action, &request, &answer);
                return result == SOAP_OK && soap->status == kFaultStatus ? SOAP_FAULT : result;
            }))
            Fail(operation, Cause());
    });
}

RemoteArray* BaseSoapProxy::GetSupportedEvents() {
    const Operation& operation = operations::kGetSupportedEvents;
    return Invoke(operation, [&]() -> RemoteArray* {
        RequireSession(operation);
        _bsi__GetSupportedEventsResponse response;
        if (!Exchange(operation, [&](struct soap* soap, const char* url, const char* action) {
                return binding::GetSupportedEvents(soap, url, action, nullptr, &response);
            }))
            Fail(operation, Cause());

        // A device that names no events gives the host no array at all, not an empty one.
        const bsi__EventList* list = binding::ResultOf(response);
        if (list == nullptr || list->bsi__Event.empty())
            return nullptr;
        for (const std::string& name : list->bsi__Event)
            KV_LOG(4, "IBaseSoap::GetSupportedEvents - supported event: %s",
                   platform::VisibleText(name, platform::kVisibleTextLimit).c_str());
        return platform::MakeRemoteArray(list->bsi__Event);
    });
}

} // namespace kavelin::proxy
