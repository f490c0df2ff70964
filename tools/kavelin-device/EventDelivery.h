#pragma once

#include "DeviceServer.h"
#include "Journal.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

// Posts bsi:Deliver envelopes to subscribers from a worker thread of its own, so an answer
// never waits for a subscriber. One attempt per event with a short timeout, or, for a
// subscription that asked for retries, up to kRetries more after growing pauses; a delivery
// succeeds on a 2xx answer. Only over loopback: a delivery address naming another host is sent
// to 127.0.0.1 on its port.
namespace kavelin::device {

class EventDelivery {
public:
    static constexpr int kRetries = 3;
    static constexpr std::chrono::milliseconds kFirstPause{200}; // doubled after each retry

    EventDelivery(std::chrono::milliseconds timeout, Journal<DeliveryRecord>& journal);
    ~EventDelivery();
    EventDelivery(const EventDelivery&) = delete;
    EventDelivery& operator=(const EventDelivery&) = delete;

    void Start();
    void Stop(); // drops what is still queued
    // Queues one delivery; dropped (and recorded as such) when the queue is full.
    void Post(DeliveryRecord delivery);

private:
    void Run();
    void DeliverWithRetries(DeliveryRecord& delivery);
    void Deliver(DeliveryRecord& delivery);
    bool PauseUnlessStopped(std::chrono::milliseconds pause);

    std::chrono::milliseconds mTimeout;
    Journal<DeliveryRecord>& mJournal;
    std::mutex mMutex;
    std::condition_variable mWake;
    std::deque<DeliveryRecord> mQueue;
    std::atomic<bool> mStop{false};
    std::thread mWorker;
};

} // namespace kavelin::device
