#pragma once

#include <string>

#include "kavelin/ComTypes.h"

struct soap;
struct soap_plugin;

namespace kavelin::transport {

// The direct-connect transport: for a service URL of the "ovdcs:" scheme, every request is
// written to and every answer read from the host product's data-stream component instead of
// a socket. Give this attach function to soap_register_plugin_arg with the service URL
// (const char*, may be null) as its argument; for any other URL it declines (-1) and the
// context keeps its own transport.
int OrvantaDCSPlugin(struct soap* soap, struct soap_plugin* plugin, void* serviceUrl);

// The identifier of the plug-in's record (soap_lookup_plugin).
inline constexpr char kOrvantaDCSPluginId[] = "OrvantaDCSPlugin";

// Why the direct-connect transport failed the context's current exchange.
struct DirectConnectFailure {
    // What failed and why ("the data stream did not open: ovdcs:unix/run/dev.sock: No such
    // file or directory"); empty when it did not fail there, or is not attached. A read that
    // timed out leaves it empty: how long the exchange took tells that.
    std::string summary;
    // The failed data-stream call's result; S_OK where no stream call failed (no component, no
    // URL). A failed Open hands this same result to the engine as its status.
    HRESULT result = S_OK;
};
DirectConnectFailure OrvantaDCSPluginFailure(struct soap* soap);

} // namespace kavelin::transport
