#include "OperationHandler.h"

#include "DeviceNamespaces.h"
#include "EventFilter.h"
#include "SoapAnswers.h"

#include <algorithm>
#include <ctime>
#include <set>

namespace kavelin::device {

namespace {

constexpr const char* kDataChanged = "DataChanged";

std::vector<std::string> ChildTexts(const xmlNode* parent, const char* localName) {
    std::vector<std::string> texts;
    for (const xmlNode* child = parent ? parent->children : nullptr; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE &&
            std::string(reinterpret_cast<const char*>(child->name)) == localName) {
            texts.push_back(NodeText(child));
        }
    }
    return texts;
}

std::string ChildText(const xmlNode* parent, const char* localName) {
    const xmlNode* child = ChildByLocalName(parent, localName);
    return child ? NodeText(child) : "";
}

// Name/value pairs of the children of every `listName` element under `parent`, taken two
// at a time in document order.
std::vector<std::pair<std::string, std::string>> Pairs(const xmlNode* parent,
                                                       const char* listName) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const xmlNode* list = parent ? parent->children : nullptr; list; list = list->next) {
        if (list->type != XML_ELEMENT_NODE ||
            std::string(reinterpret_cast<const char*>(list->name)) != listName) {
            continue;
        }
        const xmlNode* first = FirstElementChild(list);
        const xmlNode* second = first ? first->next : nullptr;
        while (second && second->type != XML_ELEMENT_NODE) {
            second = second->next;
        }
        pairs.emplace_back(first ? NodeText(first) : "", second ? NodeText(second) : "");
    }
    return pairs;
}

std::string UtcTimestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

} // namespace

std::string EventForSection(const std::string& section) {
    if (section == "Status") {
        return "StatusChanged";
    }
    if (section == "Consumables") {
        return "ConsumableChanged";
    }
    if (section == "Trays") {
        return "MediaChanged";
    }
    if (section == "Counters") {
        return "CounterChanged";
    }
    return "ConfigurationChanged";
}

OperationHandler::OperationHandler(DeviceState& state, EventDelivery& delivery, bool requireSession)
    : mState(state), mDelivery(delivery),
      mRequireSession(requireSession), mSupportedEvents{"StatusChanged",        "ConsumableChanged",
                                                        "MediaChanged",         "CounterChanged",
                                                        "ConfigurationChanged", kDataChanged} {}

void OperationHandler::SetServiceUri(std::string uri) {
    std::lock_guard lock(mMutex);
    mServiceUri = std::move(uri);
}

void OperationHandler::SetSupportedEvents(std::vector<std::string> events) {
    std::lock_guard lock(mMutex);
    mSupportedEvents = std::move(events);
}

std::vector<std::string> OperationHandler::SupportedEvents() const {
    std::lock_guard lock(mMutex);
    return mSupportedEvents;
}

SoapAnswer OperationHandler::Answer(const std::string& body) {
    return {200, SoapEnvelope(body, mState.xdm.DictionaryNamespace())};
}

SoapAnswer OperationHandler::Fault(bool clientFault, const std::string& text,
                                   const std::string& detailElement, const std::string& reason) {
    return {500, SoapEnvelope(SoapFaultBody(clientFault, text, detailElement, reason, mSequence++),
                              mState.xdm.DictionaryNamespace())};
}

SoapAnswer OperationHandler::Handle(const SoapRequest& request) {
    const std::string& op = request.operation;
    const bool base = request.operationNamespace == ns::kBsi;
    if (base && op == "StartSession") {
        return StartSession(request);
    }
    if (base && op == "EndSession") {
        return EndSession(request);
    }
    const bool getNs = request.operationNamespace == ns::kIxaGetData;
    const bool setNs = request.operationNamespace == ns::kIxaSetData;
    const bool known =
        (base && (op == "Subscribe" || op == "Unsubscribe" || op == "GetSupportedEvents")) ||
        (getNs && (op == "GetData" || op == "GetSettable")) || (setNs && op == "SetData");
    if (!known) {
        return Fault(true, "unknown operation: {" + request.operationNamespace + "}" + op,
                     "ServiceException", "NotImplemented");
    }
    if (mRequireSession && !mState.sessions.IsLive(request.sessionId)) {
        return Fault(true, "no live session: \"" + request.sessionId + "\"", "SessionException",
                     "InvalidSessionID");
    }
    if (op == "GetData") {
        return GetData(request);
    }
    if (op == "SetData") {
        return SetData(request);
    }
    if (op == "GetSettable") {
        return GetSettable();
    }
    if (op == "Subscribe") {
        return Subscribe(request);
    }
    if (op == "Unsubscribe") {
        return Unsubscribe(request);
    }
    return GetSupportedEvents();
}

SoapAnswer OperationHandler::StartSession(const SoapRequest& request) {
    const xmlNode* ticket = ChildByLocalName(request.operationElement, "RequestTicket");
    const SessionRecord session = mState.sessions.Start(ChildTexts(ticket, "RequestedLanguage"),
                                                        ChildTexts(ticket, "RequestedRole"));
    const AnswerShape shape = mState.faults.Shape();
    if (shape.omitSessionTicket) {
        return Answer("<bsi:StartSessionResponse/>");
    }
    const std::string result = shape.useReturnElement ? "bsi:return" : "bsi:StartSessionResult";
    std::string body = "<bsi:StartSessionResponse><" + result + ">";
    body += "<bsi:SessionID>" + EscapeXml(session.id) + "</bsi:SessionID>";
    body += "<bsi:SessionLanguage>" + EscapeXml(session.language) + "</bsi:SessionLanguage>";
    for (const std::string& role : session.roles) {
        body += "<bsi:GrantedRole>" + EscapeXml(role) + "</bsi:GrantedRole>";
    }
    body += "<bsi:Name>" +
            EscapeXml(ChildText(ChildByLocalName(ticket, "Credentials"), "UserNameToken")) +
            "</bsi:Name>";
    body += "</" + result + "></bsi:StartSessionResponse>";
    return Answer(body);
}

SoapAnswer OperationHandler::EndSession(const SoapRequest& request) {
    // Ending an unknown session is harmless; the caller wants it gone either way.
    mState.sessions.End(request.sessionId);
    return Answer("<bsi:EndSessionResponse/>");
}

SoapAnswer OperationHandler::GetData(const SoapRequest& request) {
    const xmlNode* path = ChildByLocalName(request.operationElement, "Path");
    if (!path) {
        return Fault(true, "GetData without Path", "ServiceException", "InvalidParameter");
    }
    std::vector<std::pair<std::string, std::string>> prefixes;
    const xmlNode* list = ChildByLocalName(request.operationElement, "Prefixes");
    for (const xmlNode* map = list ? list->children : nullptr; map; map = map->next) {
        if (map->type == XML_ELEMENT_NODE) {
            prefixes.emplace_back(ChildText(map, "Prefix"), ChildText(map, "URL"));
        }
    }
    std::string result;
    std::string error;
    if (!mState.xdm.Query(NodeText(path), prefixes, &result, &error)) {
        return Fault(true, error, "ServiceException", "InvalidParameter");
    }
    const char* name = mState.faults.Shape().useReturnElement ? "return" : "GetDataResult";
    return Answer(std::string("<ixagd:GetDataResponse><") + name + ">" + EscapeXml(result) + "</" +
                  name + "></ixagd:GetDataResponse>");
}

SoapAnswer OperationHandler::SetData(const SoapRequest& request) {
    const xmlNode* document = ChildByLocalName(request.operationElement, "XDM_Document");
    const xmlNode* fragment = FirstElementChild(document);
    if (!fragment) {
        return Fault(true, "SetData without an XDM document", "ServiceException",
                     "InvalidParameter");
    }
    const std::string details = ChildText(request.operationElement, "ResultsDetails");
    std::vector<XdmChange> changes;
    std::string error;
    if (!mState.xdm.Merge(fragment, true, &changes, &error)) {
        return Fault(true, error, "ServiceException", "InvalidParameter");
    }
    Notify(changes);
    std::string body = "<ixasd:SetDataResponse><SetDataResult><dd:SetDataResults changed=\"" +
                       std::to_string(changes.size()) + "\">";
    if (details == "true" || details == "1") {
        for (const XdmChange& change : changes) {
            body += "<dd:Changed path=\"" + EscapeXml(change.path) + "\">" +
                    EscapeXml(change.value) + "</dd:Changed>";
        }
    }
    body += "</dd:SetDataResults></SetDataResult></ixasd:SetDataResponse>";
    return Answer(body);
}

SoapAnswer OperationHandler::GetSettable() {
    std::string body = "<ixags:GetSettableResponse><GetSettableResult><dd:Settable>";
    for (const std::string& path : mState.xdm.SettablePaths()) {
        body += "<dd:Path>" + EscapeXml(path) + "</dd:Path>";
    }
    body += "</dd:Settable></GetSettableResult></ixags:GetSettableResponse>";
    return Answer(body);
}

SoapAnswer OperationHandler::Subscribe(const SoapRequest& request) {
    const xmlNode* info = ChildByLocalName(request.operationElement, "SubscriptionInfo");
    SubscriptionRecord subscription;
    subscription.sessionId = request.sessionId;
    subscription.eventName = ChildText(info, "EventName");
    subscription.clientCookie = ChildText(info, "ClientCookie");
    subscription.reliability = ChildText(info, "ReliabilityOption");
    subscription.deliveryAddress = ChildText(request.operationElement, "ClientDeliveryAddress");
    subscription.filter =
        Pairs(ChildByLocalName(request.operationElement, "FilterProperties"), "FilterOn");
    const auto events = SupportedEvents();
    if (std::find(events.begin(), events.end(), subscription.eventName) == events.end()) {
        return Fault(true, "unsupported event: " + subscription.eventName, "ServiceException",
                     "InvalidParameter");
    }
    if (subscription.deliveryAddress.empty()) {
        return Fault(true, "Subscribe without a delivery address", "ServiceException",
                     "InvalidParameter");
    }
    const std::string id = mState.subscriptions.Add(subscription);
    const AnswerShape shape = mState.faults.Shape();
    if (shape.omitSubscriptionId) {
        return Answer("<bsi:SubscribeResponse/>");
    }
    const char* name = shape.useReturnElement ? "bsi:return" : "bsi:SubscribeResult";
    return Answer(std::string("<bsi:SubscribeResponse><") + name + ">" + EscapeXml(id) + "</" +
                  name + "></bsi:SubscribeResponse>");
}

SoapAnswer OperationHandler::Unsubscribe(const SoapRequest& request) {
    const std::string id = ChildText(request.operationElement, "SubscriptionID");
    if (!mState.subscriptions.Remove(id)) {
        return Fault(true, "no such subscription: " + id, "ServiceException", "InvalidParameter");
    }
    return Answer("<bsi:UnsubscribeResponse/>");
}

SoapAnswer OperationHandler::GetSupportedEvents() {
    const char* name =
        mState.faults.Shape().useReturnElement ? "bsi:return" : "bsi:GetSupportedEventsResult";
    std::string body = std::string("<bsi:GetSupportedEventsResponse><") + name + ">";
    for (const std::string& event : SupportedEvents()) {
        body += "<bsi:Event>" + EscapeXml(event) + "</bsi:Event>";
    }
    body += std::string("</") + name + "></bsi:GetSupportedEventsResponse>";
    return Answer(body);
}

void OperationHandler::Notify(const std::vector<XdmChange>& changes) {
    if (changes.empty()) {
        return;
    }
    std::set<std::string> raised{kDataChanged};
    for (const XdmChange& change : changes) {
        raised.insert(EventForSection(change.section));
    }
    for (const std::string& event : raised) {
        // Each event carries the changes it is about: DataChanged all of them.
        std::vector<XdmChange> about;
        std::copy_if(changes.begin(), changes.end(), std::back_inserter(about),
                     [&](const XdmChange& change) {
                         return event == kDataChanged || EventForSection(change.section) == event;
                     });
        for (const SubscriptionRecord& subscription : mState.subscriptions.ForEvent(event)) {
            const std::vector<XdmChange> passed =
                FilterChanges(subscription.filter, about, mState.xdm);
            if (passed.empty()) {
                continue;
            }
            DeliveryRecord delivery;
            delivery.subscriptionId = subscription.id;
            delivery.eventName = event;
            delivery.address = subscription.deliveryAddress;
            delivery.retry = subscription.reliability == "Retry" ||
                             subscription.reliability == "PersistentRetry";
            delivery.envelope = DeliverEnvelope(subscription, event, passed);
            mDelivery.Post(std::move(delivery));
        }
    }
}

std::string OperationHandler::DeliverEnvelope(const SubscriptionRecord& subscription,
                                              const std::string& eventName,
                                              const std::vector<XdmChange>& changes) {
    std::string serviceUri;
    {
        std::lock_guard lock(mMutex);
        serviceUri = mServiceUri;
    }
    std::string body = "<bsi:Deliver><bsi:Event><bsi:Properties>";
    body += "<bsi:Name>" + EscapeXml(eventName) + "</bsi:Name>";
    body += "<bsi:ServiceURN>urn:orvanta:device:xdm</bsi:ServiceURN>";
    body += "<bsi:ClientCookie>" + EscapeXml(subscription.clientCookie) + "</bsi:ClientCookie>";
    body += "<bsi:SubscriptionID>" + EscapeXml(subscription.id) + "</bsi:SubscriptionID>";
    body += "<bsi:Severity>Info</bsi:Severity>";
    body += "<bsi:Description>" + EscapeXml(eventName) + ": " + std::to_string(changes.size()) +
            " value(s) changed</bsi:Description>";
    body += "<bsi:Language>en-US</bsi:Language>";
    body += "<bsi:Sequence>" + std::to_string(mSequence++) + "</bsi:Sequence>";
    body += "<bsi:ServiceURI>" + EscapeXml(serviceUri) + "</bsi:ServiceURI>";
    body += "<bsi:TimeStamp>" + UtcTimestamp() + "</bsi:TimeStamp>";
    body += "</bsi:Properties><bsi:Payload><dd:Changes>";
    for (const XdmChange& change : changes) {
        body += "<dd:Change path=\"" + EscapeXml(change.path) + "\">" + EscapeXml(change.value) +
                "</dd:Change>";
    }
    body += "</dd:Changes></bsi:Payload></bsi:Event></bsi:Deliver>";
    return SoapEnvelope(body, mState.xdm.DictionaryNamespace());
}

} // namespace kavelin::device
