#pragma once

struct soap;

namespace kavelin::transport {

// Offers the engine plug-ins to a freshly configured engine context: the direct-connect
// transport always (it attaches itself only to "ovdcs:" URLs), then the message logging and
// playback plug-in while the playback bit of the log level is set.
void RegisterTransportPlugins(struct soap* soap, const char* serviceUrl);

} // namespace kavelin::transport
