#pragma once

#include <memory>
#include <ostream>
#include <string_view>

namespace kavelin::cli {

// --trace: every request the library sends and every answer it receives, each whole (HTTP
// head and envelope) on `out` as it crossed the wire, over HTTP and over the direct-connect
// data stream alike. The bytes are taken where the library hands them to the system's socket
// calls (WireTraceSockets.cpp), so what the library sends does not change.
//
// Each message is a line "kavelin: trace: request, N bytes:" or "... answer, N bytes:", then
// its bytes, then a line feed. The bytes are as they came except control characters other than
// TAB, LF and the CR of a CR LF, which appear as escapes ("\x1b", a lone "\r", "\u009b"). An
// HTTP head has none, nor has XML but for DEL and the C1 controls, so a message shows byte for
// byte, and a device's bytes never drive the terminal.
class WireTrace {
public:
    // Records the traffic of the shared object that holds `libraryCode` (any address in it).
    WireTrace(const void* libraryCode, std::ostream& out);
    // Shows what is left (a message cut short) and stops recording.
    ~WireTrace();
    WireTrace(const WireTrace&) = delete;
    WireTrace& operator=(const WireTrace&) = delete;

    // What the socket calls have carried and not yet shown (WireTrace.cpp).
    struct Recorder;

private:
    std::unique_ptr<Recorder> mRecorder;
};

// For the socket calls of WireTraceSockets.cpp, while a WireTrace exists.
namespace wire {

// Whether a trace runs and `caller` is code of the traced library.
bool Traced(const void* caller);
// Bytes the system took from, or gave to, the traced library on `socket`.
void Sent(int socket, std::string_view bytes);
void Received(int socket, std::string_view bytes);

} // namespace wire

} // namespace kavelin::cli
