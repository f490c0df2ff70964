#pragma once

#include <iosfwd>
#include <string>

#include "Invocation.h"
#include "RequestDocuments.h"
#include "kavelin/Kavelin.h"

namespace kavelin::cli {

// kavelin watch: listens at the delivery address, subscribes on `proxy` (to every supported
// event when no --event is given), prints each delivered event on `out`, asks the device every
// --check seconds whether it still answers, and when it stops (SIGINT, SIGTERM, --count,
// --duration, a device that no longer answers) unsubscribes everything it subscribed. Progress
// and failures go to `err`. Returns 0 when it stopped as asked, 1 when the device stopped
// answering or a subscription or an unsubscription failed. Throws std::runtime_error when it
// cannot listen. Without --listen it listens on the address through which this computer
// reaches the device at `serviceUrl`.
int RunWatch(IBaseSoap& proxy, const Invocation& invocation, const RequestDocuments& documents,
             const std::string& serviceUrl, std::ostream& out, std::ostream& err);

} // namespace kavelin::cli
