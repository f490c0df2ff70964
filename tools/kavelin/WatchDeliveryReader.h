#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "WatchEvent.h"

struct soap;

namespace kavelin::cli {

// Whether a subscription id is one this watch holds.
using HeldSubscription = std::function<bool(const std::string&)>;

// What one request to the listener comes to.
struct DeliveryOutcome {
    std::optional<WatchEvent> event; // a delivery for a held subscription
    std::string refusal;             // why a Fault answers the request; empty when none does
    std::string answer;              // the whole HTTP answer
    bool keepAlive = false;          // the connection may carry another request
};

// The server side of bsi:Deliver over one whole HTTP request in memory: gSOAP reads the request
// and writes the answer, a literal bsi:DeliverResponse for a delivery to a held subscription
// and a SOAP 1.1 Fault for anything else. No socket is involved, so the listener decides when
// bytes move and a request can be read straight from a fuzzer's input.
class DeliveryReader {
public:
    DeliveryReader();
    ~DeliveryReader();
    DeliveryReader(const DeliveryReader&) = delete;
    DeliveryReader& operator=(const DeliveryReader&) = delete;

    DeliveryOutcome Read(std::string_view request, const HeldSubscription& held);
    // The Fault that answers a request refused before it was read whole.
    DeliveryOutcome Refuse(const std::string& reason);

private:
    struct soap* mSoap;
    int (*mEnginePostHeader)(struct soap*, const char*, const char*);
};

// What the engine's hooks work on during one Read; the Deliver operation finds it in the
// context's `user` field.
struct DeliveryExchange {
    std::string_view request;
    std::size_t consumed = 0;
    const HeldSubscription* held = nullptr;
    DeliveryOutcome outcome;
    int (*enginePostHeader)(struct soap*, const char*, const char*) = nullptr;
    bool skipBlankLine = false; // the engine's 100 Continue line was left out
};

} // namespace kavelin::cli
