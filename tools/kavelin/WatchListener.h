#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "WatchEvent.h"

struct soap;

namespace kavelin::cli {

// Where the listener hands what arrives. Called from the listener's threads, one call at a
// time per connection; a delivery is answered only after Delivered returns, so a subscriber
// that waits for each answer sees its events handled in order.
class DeliverySink {
public:
    virtual ~DeliverySink() = default;
    virtual void Delivered(WatchEvent event) = 0;
    // A request that was answered with a SOAP Fault, and why.
    virtual void Rejected(const std::string& reason) = 0;
};

struct ListenerLimits {
    std::size_t connections = 8;        // served at once; more wait in the kernel's backlog
    std::size_t requestBytes = 1 << 20; // a larger request is refused
    std::chrono::seconds idle{5};       // a silent connection is closed after this long
    std::chrono::seconds transfer{10};  // the most one request may take to arrive
};

// What a connection's engine context carries in its `user` field.
struct ListenerConnection {
    DeliverySink* sink = nullptr;
    std::size_t limit = 0;    // request bytes allowed
    std::size_t received = 0; // bytes of the current request so far
    bool oversized = false;
    std::size_t (*receive)(struct soap*, char*, std::size_t) = nullptr; // the engine's own
};

// The HTTP listener at the delivery address: gSOAP's server side of bsi:Deliver, answering each
// POST at /EventCallback with a literal bsi:DeliverResponse, and anything else with a Fault.
class WatchListener {
public:
    WatchListener(DeliverySink& sink, ListenerLimits limits = {});
    ~WatchListener(); // stops
    WatchListener(const WatchListener&) = delete;
    WatchListener& operator=(const WatchListener&) = delete;

    // Binds `address` (dotted IPv4) and `port` (0: ephemeral) and starts serving. Throws
    // std::runtime_error when it cannot bind.
    void Start(const std::string& address, std::uint16_t port);
    // Stops accepting, cuts the connections being served and joins every thread. Idempotent.
    void Stop();
    std::uint16_t Port() const { return mPort; }

private:
    struct Worker {
        std::thread thread;
        std::mutex mutex; // guards fd against Stop cutting a socket that is being closed
        int fd = -1;
    };

    void Work(Worker& worker);
    void ServeConnection(struct soap* soap, ListenerConnection& connection);
    void Reject(struct soap* soap, ListenerConnection& connection);

    DeliverySink& mSink;
    const ListenerLimits mLimits;
    struct soap* mMaster = nullptr;
    std::uint16_t mPort = 0;
    std::atomic<bool> mStop{false};
    std::mutex mAcceptMutex; // one worker at a time waits in accept
    std::vector<std::unique_ptr<Worker>> mWorkers;
};

} // namespace kavelin::cli
