#include "WatchCommand.h"

#include "UsageError.h"

namespace kavelin::cli {

// The listener is built on the Linux build's own gSOAP server runtime.
int RunWatch(IBaseSoap&, const Invocation& invocation, const RequestDocuments&, const std::string&,
             std::ostream&, std::ostream&) {
    throw UsageError("watch is not available on Windows", invocation.command);
}

} // namespace kavelin::cli
