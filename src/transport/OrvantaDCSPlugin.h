#pragma once

struct soap;
struct soap_plugin;

// The direct-connect transport: for a service URL of the "ovdcs:" scheme, every request is
// written to and every answer read from the host product's data-stream component instead of
// a socket. Give this attach function to soap_register_plugin_arg with the service URL
// (const char*, may be null) as its argument; for any other URL it declines (-1) and the
// context keeps its own transport.
int OrvantaDCSPlugin(struct soap* soap, struct soap_plugin* plugin, void* serviceUrl);

// The identifier of the plug-in's record (soap_lookup_plugin).
inline constexpr char kOrvantaDCSPluginId[] = "OrvantaDCSPlugin";
