#include "SubscriptionRegistry.h"

#include "UniqueId.h"

#include <algorithm>

namespace kavelin::device {

std::string SubscriptionRegistry::Add(SubscriptionRecord subscription) {
    std::lock_guard lock(mMutex);
    subscription.id = MakeUniqueId("subscription", mNext++);
    mSubscriptions.push_back(subscription);
    return subscription.id;
}

bool SubscriptionRegistry::Remove(const std::string& id) {
    std::lock_guard lock(mMutex);
    const auto found = std::find_if(mSubscriptions.begin(), mSubscriptions.end(),
                                    [&](const SubscriptionRecord& s) { return s.id == id; });
    if (found == mSubscriptions.end()) {
        return false;
    }
    mSubscriptions.erase(found);
    return true;
}

std::vector<SubscriptionRecord> SubscriptionRegistry::ForEvent(const std::string& eventName) const {
    std::lock_guard lock(mMutex);
    std::vector<SubscriptionRecord> out;
    std::copy_if(mSubscriptions.begin(), mSubscriptions.end(), std::back_inserter(out),
                 [&](const SubscriptionRecord& s) { return s.eventName == eventName; });
    return out;
}

std::vector<SubscriptionRecord> SubscriptionRegistry::All() const {
    std::lock_guard lock(mMutex);
    return mSubscriptions;
}

} // namespace kavelin::device
