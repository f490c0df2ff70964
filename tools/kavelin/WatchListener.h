#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "WatchEvent.h"

namespace kavelin::cli {

// Where the listener hands what arrives. Called from the listener's thread, one call at a
// time; a delivery is answered only after Delivered returns, so a subscriber that waits for
// each answer sees its events handled in order.
class DeliverySink {
public:
    virtual ~DeliverySink() = default;
    virtual void Delivered(WatchEvent event) = 0;
    // Requests that were answered with a SOAP Fault, and why: at most one call a second, the
    // text already made visible and bounded, with a count of those refused since the last.
    virtual void Rejected(const std::string& reason) = 0;
};

struct ListenerLimits {
    // Open at once; a new connection past this closes the oldest one.
    std::size_t connections = 256;
    std::size_t requestBytes = 1 << 20; // a larger request is refused
    // Bytes held for all connections together; past it the one holding most is refused.
    std::size_t bufferedBytes = 32 << 20;
    // A connection that does not begin a request for this long is closed.
    std::chrono::milliseconds idle{5000};
    // The most one request may take to arrive, from its first byte; also the bound of an answer.
    std::chrono::milliseconds transfer{10000};
};

// The HTTP listener at the delivery address: one thread with an event loop over every open
// connection, so that connections which say nothing, or trickle, delay no other. Each whole
// request is read by the server side of bsi:Deliver (WatchDeliveryReader.h): a delivery for a
// subscription this watch holds is handed to the sink and answered with bsi:DeliverResponse;
// anything else gets a SOAP Fault.
class WatchListener {
public:
    WatchListener(DeliverySink& sink, ListenerLimits limits = {});
    ~WatchListener(); // stops
    WatchListener(const WatchListener&) = delete;
    WatchListener& operator=(const WatchListener&) = delete;

    // Binds `address` (dotted IPv4) and `port` (0: ephemeral) and starts serving. Throws
    // std::runtime_error when it cannot bind.
    void Start(const std::string& address, std::uint16_t port);
    // Stops serving, closes every connection and joins the thread. Idempotent.
    void Stop();
    std::uint16_t Port() const { return mPort; }

    // Deliveries for `subscriptionId` are printed from now on; others are refused.
    void Hold(const std::string& subscriptionId);

private:
    class Loop;
    bool Holds(const std::string& subscriptionId);

    DeliverySink& mSink;
    const ListenerLimits mLimits;
    int mListenFd = -1;
    std::uint16_t mPort = 0;
    std::atomic<bool> mStop{false};
    std::unique_ptr<Loop> mLoop;
    std::thread mThread;
    std::mutex mHeldMutex;
    std::set<std::string> mHeld;
};

} // namespace kavelin::cli
