#include "WireTrace.h"

#include <atomic>
#include <dlfcn.h>
#include <map>
#include <mutex>
#include <string>

#include "TerminalText.h"
#include "WatchDeliveryFraming.h"

namespace kavelin::cli {

namespace {

// What one socket has carried and not yet shown.
struct Connection {
    std::string sent;
    std::string received;
};

} // namespace

struct WireTrace::Recorder {
    explicit Recorder(std::ostream& stream) : out(&stream) {}

    std::ostream* out;
    std::mutex mutex;
    std::map<int, Connection> connections;
};

namespace {

using Recorder = WireTrace::Recorder;

// Every thread's socket calls read these; only the library's thread, the one that calls the
// proxy, reaches the recorder.
std::atomic<const void*> gTracedBase{nullptr};
std::atomic<Recorder*> gRecorder{nullptr};

void Show(Recorder& recorder, const char* kind, std::string_view message) {
    *recorder.out << "kavelin: trace: " << kind << ", " << message.size() << " bytes:\n"
                  << TerminalText(message) << '\n'
                  << std::flush;
}

// The whole messages at the front of `pending`, by their HTTP framing: each shows as soon as
// its last byte has passed.
void ShowWhole(Recorder& recorder, const char* kind, std::string& pending) {
    for (;;) {
        const RequestFrame frame = FrameRequest(pending);
        if (frame.state != RequestFrame::State::Whole)
            return;
        Show(recorder, kind, std::string_view(pending).substr(0, frame.length));
        pending.erase(0, frame.length);
    }
}

// What is left when the other side takes its turn or the connection is done with: a message
// cut short, or one whose framing could not be followed.
void ShowRest(Recorder& recorder, const char* kind, std::string& pending) {
    if (pending.empty())
        return;
    Show(recorder, kind, pending);
    pending.clear();
}

void ShowAllRest(Recorder& recorder) {
    for (auto& [socket, connection] : recorder.connections) {
        ShowRest(recorder, "request", connection.sent);
        ShowRest(recorder, "answer", connection.received);
    }
}

} // namespace

WireTrace::WireTrace(const void* libraryCode, std::ostream& out)
    : mRecorder(std::make_unique<Recorder>(out)) {
    Dl_info info{};
    gRecorder.store(mRecorder.get());
    if (dladdr(libraryCode, &info) != 0)
        gTracedBase.store(info.dli_fbase);
}

WireTrace::~WireTrace() {
    gTracedBase.store(nullptr);
    gRecorder.store(nullptr);
    const std::lock_guard lock(mRecorder->mutex);
    ShowAllRest(*mRecorder);
}

namespace wire {

bool Traced(const void* caller) {
    const void* base = gTracedBase.load();
    Dl_info info{};
    return base != nullptr && dladdr(caller, &info) != 0 && info.dli_fbase == base;
}

// A request starts the library's next exchange: whatever another connection left, and the
// answer this one held, is shown first.
void Sent(int socket, std::string_view bytes) {
    Recorder* recorder = gRecorder.load();
    if (recorder == nullptr)
        return;
    const std::lock_guard lock(recorder->mutex);
    Connection& connection = recorder->connections[socket];
    for (auto& [other, rest] : recorder->connections) {
        if (other != socket)
            ShowRest(*recorder, "request", rest.sent);
        ShowRest(*recorder, "answer", rest.received);
    }
    connection.sent += bytes;
    ShowWhole(*recorder, "request", connection.sent);
}

void Received(int socket, std::string_view bytes) {
    Recorder* recorder = gRecorder.load();
    if (recorder == nullptr)
        return;
    const std::lock_guard lock(recorder->mutex);
    Connection& connection = recorder->connections[socket];
    ShowRest(*recorder, "request", connection.sent);
    connection.received += bytes;
    ShowWhole(*recorder, "answer", connection.received);
}

} // namespace wire

} // namespace kavelin::cli
