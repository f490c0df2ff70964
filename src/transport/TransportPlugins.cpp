#include "transport/TransportPlugins.h"

void RegisterTransportPlugins(struct soap* /*soap*/, const char* /*serviceUrl*/) {}
