#include "SessionRegistry.h"

#include "UniqueId.h"

#include <algorithm>

namespace kavelin::device {

SessionRecord SessionRegistry::Start(const std::vector<std::string>& languages,
                                     const std::vector<std::string>& roles) {
    std::lock_guard lock(mMutex);
    SessionRecord session;
    session.id = MakeUniqueId("session", mNext++);
    session.language = languages.empty() ? "en-US" : languages.front();
    session.roles = roles.empty() ? std::vector<std::string>{"guest"} : roles;
    mSessions.push_back(session);
    return session;
}

bool SessionRegistry::End(const std::string& id) {
    std::lock_guard lock(mMutex);
    const auto found = std::find_if(mSessions.begin(), mSessions.end(),
                                    [&](const SessionRecord& s) { return s.id == id; });
    if (found == mSessions.end()) {
        return false;
    }
    mSessions.erase(found);
    return true;
}

bool SessionRegistry::IsLive(const std::string& id) const {
    std::lock_guard lock(mMutex);
    return !id.empty() && std::any_of(mSessions.begin(), mSessions.end(),
                                      [&](const SessionRecord& s) { return s.id == id; });
}

std::vector<SessionRecord> SessionRegistry::All() const {
    std::lock_guard lock(mMutex);
    return mSessions;
}

} // namespace kavelin::device
