#include "transport/TransportPlugins.h"

#include <stdsoap2.h>

#include "platform/Logging.h"
#include "transport/OrvantaDCSPlugin.h"
#include "transport/SoapMsgLogging.h"

namespace kavelin::transport {

void RegisterTransportPlugins(struct soap* soap, const char* serviceUrl) {
    // A plug-in that declines (any URL not of the direct-connect scheme) leaves its refusal in
    // the context's error field; the context itself is as good as before.
    if (soap_register_plugin_arg(soap, OrvantaDCSPlugin, const_cast<char*>(serviceUrl)) != SOAP_OK)
        soap->error = SOAP_OK;
    if (PlaybackEnabled() && soap_register_plugin_arg(soap, SoapMsgLogging, nullptr) != SOAP_OK)
        soap->error = SOAP_OK;
}

} // namespace kavelin::transport
