#pragma once

#include <string>

#include "Invocation.h"

namespace kavelin::cli {

// Which device the run talks to.
struct ServiceChoice {
    enum class Kind {
        Given,        // --url, or $KAVELIN_URL
        Playback,     // sample answers only; the URL reaches no device
        BuiltInDevice // the simulated device, started for this run
    };
    Kind kind = Kind::BuiltInDevice;
    std::string url; // empty for BuiltInDevice until the device has a port
};

// --url wins. Playback ignores $KAVELIN_URL, which usually names a real device, and uses a
// direct-connect URL: in playback that transport opens nothing, where HTTP would still connect.
ServiceChoice ChooseService(const Invocation& invocation, const char* environmentUrl);

} // namespace kavelin::cli
