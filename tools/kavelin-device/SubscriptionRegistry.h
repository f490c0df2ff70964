#pragma once

#include "DeviceServer.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// Event subscriptions of the device.
namespace kavelin::device {

class SubscriptionRegistry {
public:
    // Stores the subscription under a new id and returns it.
    std::string Add(SubscriptionRecord subscription);
    bool Remove(const std::string& id);
    std::vector<SubscriptionRecord> ForEvent(const std::string& eventName) const;
    std::vector<SubscriptionRecord> All() const;

private:
    mutable std::mutex mMutex;
    std::vector<SubscriptionRecord> mSubscriptions;
    std::uint64_t mNext = 1;
};

} // namespace kavelin::device
