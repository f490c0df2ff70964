#pragma once

#include "DeviceServer.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// Live sessions of the device.
namespace kavelin::device {

class SessionRegistry {
public:
    // Grants a session: the first requested language (en-US when none) and every requested
    // role (guest when none).
    SessionRecord Start(const std::vector<std::string>& languages,
                        const std::vector<std::string>& roles);
    bool End(const std::string& id);
    bool IsLive(const std::string& id) const;
    std::vector<SessionRecord> All() const;

private:
    mutable std::mutex mMutex;
    std::vector<SessionRecord> mSessions;
    std::uint64_t mNext = 1;
};

} // namespace kavelin::device
