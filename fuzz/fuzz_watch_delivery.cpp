// Arbitrary bytes as what one connection sends to kavelin watch's listener: the framing finds
// each whole request among them and the server side of bsi:Deliver reads it, as the listener
// does, for as many requests as one connection may carry. Every request must get an HTTP
// answer, and only a delivery for the subscription the watch holds may come out as an event.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "WatchDeliveryFraming.h"
#include "WatchDeliveryReader.h"

namespace {

constexpr char kHeld[] = "subscription-1-5f3a9c2e";
constexpr int kRequestsPerConnection = 100;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using kavelin::cli::RequestFrame;
    // One engine context serves every request, as the listener's does.
    static kavelin::cli::DeliveryReader reader;
    static const kavelin::cli::HeldSubscription held = [](const std::string& id) {
        return id == kHeld;
    };
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (int served = 0; served < kRequestsPerConnection && !rest.empty(); ++served) {
        const RequestFrame frame = kavelin::cli::FrameRequest(rest);
        if (frame.state == RequestFrame::State::Whole &&
            (frame.length == 0 || frame.length > rest.size()))
            __builtin_trap();
        // What is not whole is read as it is, as when the peer closes or runs out of time.
        const std::size_t length =
            frame.state == RequestFrame::State::Whole ? frame.length : rest.size();
        const kavelin::cli::DeliveryOutcome outcome = reader.Read(rest.substr(0, length), held);
        if (outcome.answer.rfind("HTTP/1.", 0) != 0 ||
            (outcome.event && outcome.event->subscription != kHeld))
            __builtin_trap();
        if (!outcome.keepAlive)
            break;
        rest.remove_prefix(length);
    }
    return 0;
}
