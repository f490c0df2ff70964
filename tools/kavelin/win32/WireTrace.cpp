#include "WireTrace.h"

#include "UsageError.h"

namespace kavelin::cli {

struct WireTrace::Recorder {};

// The trace takes the bytes at the system's socket calls, which only the Linux loader lets a
// program stand in for.
WireTrace::WireTrace(const void*, std::ostream&) {
    throw UsageError("--trace is not available on Windows", Command::None);
}

WireTrace::~WireTrace() = default;

} // namespace kavelin::cli
