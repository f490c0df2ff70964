#pragma once

#include <string>

#include "Invocation.h"

namespace kavelin::cli {

// Which device the run talks to.
struct ServiceChoice {
    enum class Kind {
        Given,        // --url, or $KAVELIN_URL
        Playback,     // sample answers only; the URL reaches no device
        BuiltInDevice // --simulate: the simulated device, started for this run
    };
    Kind kind = Kind::Given;
    std::string url; // empty for BuiltInDevice until the device has a port
};

// --url wins. Playback ignores $KAVELIN_URL, which usually names a real device, and uses a
// direct-connect URL: in playback that transport opens nothing, where HTTP would still connect.
// --simulate, asked for on the command line, wins over $KAVELIN_URL. With none of them the run
// is a usage error (UsageError): made-up answers must never stand in for a device silently.
ServiceChoice ChooseService(const Invocation& invocation, const char* environmentUrl);

} // namespace kavelin::cli
