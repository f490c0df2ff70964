#include "RunEnvironment.h"

#include "UsageError.h"

namespace kavelin::cli {

// Windows has its registry: the library reads its settings there, set with `reg add` or
// `reg import`, so the options that stand in for it on Linux have nothing to do.
RunEnvironment::RunEnvironment(const Invocation& invocation) {
    if (!invocation.registryFiles.empty() || invocation.verbose || invocation.playback ||
        invocation.waitSeconds || invocation.answerSeconds)
        throw UsageError("--registry, -v, --playback, --timeout and --max-time set registry "
                         "values for one run, which Windows keeps in its own registry: set them "
                         "with reg add or reg import",
                         invocation.command);
}

RunEnvironment::~RunEnvironment() = default;

std::string RunEnvironment::KeepPlaybackLog() {
    return {};
}

} // namespace kavelin::cli
