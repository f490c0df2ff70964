#pragma once

#include "EventDelivery.h"
#include "FaultPlan.h"
#include "SessionRegistry.h"
#include "SoapRequest.h"
#include "SubscriptionRegistry.h"
#include "XdmStore.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

// Answers the operations of both services the way the device does when it behaves.
namespace kavelin::device {

struct SoapAnswer {
    int httpStatus = 200;
    std::string envelope;
};

struct DeviceState {
    XdmStore xdm;
    SessionRegistry sessions;
    SubscriptionRegistry subscriptions;
    FaultPlan faults;
};

class OperationHandler {
public:
    OperationHandler(DeviceState& state, EventDelivery& delivery, bool requireSession);

    SoapAnswer Handle(const SoapRequest& request);
    // A fault answer; `clientFault` blames the request.
    SoapAnswer Fault(bool clientFault, const std::string& text, const std::string& detailElement,
                     const std::string& reason);
    // Tells subscribers about changes of the data model.
    void Notify(const std::vector<XdmChange>& changes);

    void SetServiceUri(std::string uri);
    void SetSupportedEvents(std::vector<std::string> events);

private:
    SoapAnswer StartSession(const SoapRequest& request);
    SoapAnswer EndSession(const SoapRequest& request);
    SoapAnswer GetData(const SoapRequest& request);
    SoapAnswer SetData(const SoapRequest& request);
    SoapAnswer GetSettable();
    SoapAnswer Subscribe(const SoapRequest& request);
    SoapAnswer Unsubscribe(const SoapRequest& request);
    SoapAnswer GetSupportedEvents();
    SoapAnswer Answer(const std::string& body);
    std::vector<std::string> SupportedEvents() const;
    std::string DeliverEnvelope(const SubscriptionRecord& subscription,
                                const std::string& eventName,
                                const std::vector<XdmChange>& changes);

    DeviceState& mState;
    EventDelivery& mDelivery;
    const bool mRequireSession;
    std::atomic<std::uint64_t> mSequence{1};
    mutable std::mutex mMutex; // guards the two members below
    std::string mServiceUri;
    std::vector<std::string> mSupportedEvents;
};

// The operations the device serves, named as the request's Body element names them.
inline constexpr const char* kDeviceOperations[] = {
    "StartSession", "EndSession", "GetSupportedEvents", "Subscribe",
    "Unsubscribe",  "GetData",    "GetSettable",        "SetData"};

// The event a change of a top-level section of the data model raises.
std::string EventForSection(const std::string& section);

} // namespace kavelin::device
