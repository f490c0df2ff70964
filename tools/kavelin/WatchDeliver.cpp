// The Deliver operation of the listener: turns a decoded bsi:Event_t into a WatchEvent, for a
// subscription the watch holds only. The generated dispatcher calls it by name; the namespace
// table is the listener's own.
#include "EventCallback.nsmap"
#include "soapH.h"

#include <chrono>
#include <string>
#include <string_view>
#include <utility>

#include "WatchDeliveryReader.h"

namespace kavelin::cli {

namespace {

constexpr std::string_view kCallbackPath = "/EventCallback";

void Add(WatchEvent& event, const char* name, const std::string& value) {
    if (!value.empty())
        event.properties.emplace_back(name, value);
}

void Add(WatchEvent& event, const char* name, const char* value) {
    if (value)
        Add(event, name, std::string(value));
}

void AddDerived(struct soap* soap, WatchEvent& event, const bsi__BaseProperties_USCOREt& base) {
    switch (base.soap_type()) {
    case SOAP_TYPE_bsi__StateChangeProperties_USCOREt: {
        const auto& p = static_cast<const bsi__StateChangeProperties_USCOREt&>(base);
        Add(event, "NewState", soap_bsi__StateDescriptor_USCOREt2s(soap, p.bsi__NewState));
        Add(event, "OldState", soap_bsi__StateDescriptor_USCOREt2s(soap, p.bsi__OldState));
        break;
    }
    case SOAP_TYPE_bsi__StatusChangeProperties_USCOREt: {
        const auto& p = static_cast<const bsi__StatusChangeProperties_USCOREt&>(base);
        Add(event, "Availability",
            soap_bsi__AvailabilityDescriptor_USCOREt2s(soap, p.bsi__Availability));
        Add(event, "Load", soap_bsi__LoadDescriptor_USCOREt2s(soap, p.bsi__Load));
        break;
    }
    case SOAP_TYPE_bsi__ErrorProperties_USCOREt: {
        const auto& p = static_cast<const bsi__ErrorProperties_USCOREt&>(base);
        Add(event, "Availability",
            soap_bsi__AvailabilityDescriptor_USCOREt2s(soap, p.bsi__Availability));
        Add(event, "Load", soap_bsi__LoadDescriptor_USCOREt2s(soap, p.bsi__Load));
        Add(event, "ErrorCode", soap_bsi__FaultReasonDescriptor_USCOREt2s(soap, p.bsi__ErrorCode));
        Add(event, "State", soap_bsi__StateDescriptor_USCOREt2s(soap, p.bsi__State));
        break;
    }
    case SOAP_TYPE_bsi__SessionProperties_USCOREt:
        Add(event, "ErrorCode",
            soap_bsi__FaultReasonDescriptor_USCOREt2s(
                soap, static_cast<const bsi__SessionProperties_USCOREt&>(base).bsi__ErrorCode));
        break;
    case SOAP_TYPE_bsi__SecurityProperties_USCOREt:
        Add(event, "ErrorCode",
            soap_bsi__FaultReasonDescriptor_USCOREt2s(
                soap, static_cast<const bsi__SecurityProperties_USCOREt&>(base).bsi__ErrorCode));
        break;
    default:
        break;
    }
}

WatchEvent EventFrom(struct soap* soap, const bsi__Event_USCOREt& delivered) {
    WatchEvent event;
    event.received = std::chrono::system_clock::now();
    if (const bsi__BaseProperties_USCOREt* p = delivered.bsi__Properties) {
        event.name = p->bsi__Name;
        event.subscription = p->bsi__SubscriptionID;
        Add(event, "ServiceURN", p->bsi__ServiceURN);
        Add(event, "ClientCookie", p->bsi__ClientCookie);
        Add(event, "Severity", soap_bsi__SeverityDescriptor_USCOREt2s(soap, p->bsi__Severity));
        Add(event, "Description", p->bsi__Description);
        Add(event, "Language", p->bsi__Language);
        Add(event, "Sequence", std::to_string(p->bsi__Sequence));
        Add(event, "ServiceURI", p->bsi__ServiceURI);
        if (p->bsi__TimeStamp)
            Add(event, "TimeStamp", soap_dateTime2s(soap, *p->bsi__TimeStamp));
        AddDerived(soap, event, *p);
    }
    if (delivered.bsi__Payload)
        Add(event, "Payload", delivered.bsi__Payload->__any);
    return event;
}

} // namespace

} // namespace kavelin::cli

int __bsiwsdl__Deliver(struct soap* soap, _bsi__Deliver* request, char** literalAnswer) {
    const std::string_view path = soap->path;
    if (path.substr(0, path.find('?')) != kavelin::cli::kCallbackPath)
        return soap_sender_fault(soap, "no event callback at this path", nullptr);
    if (!request || !request->bsi__Event)
        return soap_sender_fault(soap, "bsi:Deliver without a bsi:Event", nullptr);
    auto& exchange = *static_cast<kavelin::cli::DeliveryExchange*>(soap->user);
    kavelin::cli::WatchEvent event = kavelin::cli::EventFrom(soap, *request->bsi__Event);
    // Anyone who reaches the listener can post; only the device knows the ids it gave out.
    if (!(*exchange.held)(event.subscription))
        return soap_sender_fault(soap, "not a subscription of this watch", nullptr);
    exchange.outcome.event = std::move(event);
    *literalAnswer = soap_strdup(soap, "<bsi:DeliverResponse/>");
    return SOAP_OK;
}
