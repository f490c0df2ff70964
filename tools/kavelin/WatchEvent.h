#pragma once

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace kavelin::cli {

// One delivered event as the watch prints it.
struct WatchEvent {
    std::chrono::system_clock::time_point received;
    std::string name;         // the event's bsi:Name
    std::string subscription; // the bsi:SubscriptionID it was delivered for
    // The other properties in wire order, empty ones left out; the payload last, as "Payload".
    std::vector<std::pair<std::string, std::string>> properties;
};

// "2026-12-07T06:30:01.250Z EVENT SUBSCRIPTION NAME=VALUE ...": a value with white space, a
// quote, a backslash or a control character, or an empty one, is quoted with backslash escapes
// (controls as "\n", "\x1b", "\u009b"); "-" stands for an empty name or subscription. No line
// feed.
std::string EventLine(const WatchEvent& event);

// {"received":...,"event":...,"subscription":...,"properties":{...}} on one line; DEL and the
// C1 controls are escaped too.
std::string EventJson(const WatchEvent& event);

} // namespace kavelin::cli
