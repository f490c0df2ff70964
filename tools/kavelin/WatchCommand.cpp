#include "WatchCommand.h"

#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <ostream>

#include "FailureReport.h"
#include "ParameterDocuments.h"
#include "WatchListenAddress.h"
#include "WatchListener.h"
#include "platform/RemoteArray.h"

namespace kavelin::cli {

namespace {

constexpr std::chrono::milliseconds kStopPoll{50};

volatile std::sig_atomic_t gStopSignal = 0;

extern "C" void OnStopSignal(int signal) {
    gStopSignal = signal;
}

// SIGINT and SIGTERM set a flag for the length of the watch instead of ending the process, so
// that the subscriptions are cancelled on the way out.
class StopSignals {
public:
    StopSignals() {
        gStopSignal = 0;
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &mPreviousInt);
        sigaction(SIGTERM, &action, &mPreviousTerm);
    }
    ~StopSignals() {
        sigaction(SIGINT, &mPreviousInt, nullptr);
        sigaction(SIGTERM, &mPreviousTerm, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    static bool Raised() { return gStopSignal != 0; }

private:
    struct sigaction mPreviousInt {};
    struct sigaction mPreviousTerm {};
};

// Prints events as they arrive and counts them against --count.
class EventPrinter : public DeliverySink {
public:
    EventPrinter(const Invocation& invocation, std::ostream& out, std::ostream& err)
        : mLimit(invocation.watchCount), mJson(invocation.json), mOut(out), mErr(err) {}

    void Delivered(WatchEvent event) override {
        std::lock_guard lock(mMutex);
        if (mLimit > 0 && mPrinted >= mLimit)
            return; // answered, but past what was asked for
        mOut << (mJson ? EventJson(event) : EventLine(event)) << '\n' << std::flush;
        if (++mPrinted == mLimit)
            mEnough.notify_all();
    }

    void Rejected(const std::string& reason) override {
        std::lock_guard lock(mMutex);
        mErr << "kavelin: a delivery was refused: " << reason << '\n' << std::flush;
    }

    // Waits until --count events came or a stop signal (true), or until `deadline` (false).
    bool WaitForStop(std::chrono::steady_clock::time_point deadline) {
        std::unique_lock lock(mMutex);
        while (!StopSignals::Raised() && !(mLimit > 0 && mPrinted >= mLimit)) {
            const auto now = std::chrono::steady_clock::now();
            if (now >= deadline)
                return false;
            mEnough.wait_for(
                lock, std::min<std::chrono::steady_clock::duration>(deadline - now, kStopPoll));
        }
        return true;
    }

private:
    const long mLimit;
    const bool mJson;
    std::ostream& mOut;
    std::ostream& mErr;
    std::mutex mMutex;
    std::condition_variable mEnough;
    long mPrinted = 0;
};

std::vector<std::string> EventsToWatch(IBaseSoap& proxy, const Invocation& invocation) {
    if (!invocation.watchEvents.empty())
        return invocation.watchEvents;
    const platform::ReturnedArray supported(proxy.GetSupportedEvents());
    std::vector<std::string> events;
    for (int32_t i = 0; supported && supported->mElements && i < supported->mCount; ++i)
        events.push_back(supported->mElements[i]);
    return events;
}

std::chrono::steady_clock::duration Seconds(double seconds) {
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(seconds));
}

std::chrono::steady_clock::time_point Deadline(const Invocation& invocation) {
    if (!invocation.watchDuration)
        return std::chrono::steady_clock::time_point::max();
    return std::chrono::steady_clock::now() + Seconds(*invocation.watchDuration);
}

// Asks the device for its events, the lightest operation a proxy has: a device that went away
// sends no deliveries either, and a watch that only listened would wait for ever.
bool DeviceAnswers(IBaseSoap& proxy, std::ostream& err) {
    try {
        const platform::ReturnedArray events(proxy.GetSupportedEvents());
        return true;
    } catch (const CPException& failure) {
        err << "kavelin: the device does not answer: " << FailureText(failure) << '\n';
        return false;
    }
}

// Waits for a stop while checking the device on its period; false when it stopped answering.
bool WatchUntilStopped(IBaseSoap& proxy, const Invocation& invocation, EventPrinter& printer,
                       std::ostream& err) {
    const auto deadline = Deadline(invocation);
    const auto period = Seconds(invocation.watchCheckSeconds);
    while (true) {
        const auto now = std::chrono::steady_clock::now();
        const auto check = deadline - now > period ? now + period : deadline;
        if (printer.WaitForStop(check) || check == deadline)
            return true;
        if (!DeviceAnswers(proxy, err))
            return false;
    }
}

} // namespace

int RunWatch(IBaseSoap& proxy, const Invocation& invocation, const RequestDocuments& documents,
             const std::string& serviceUrl, std::ostream& out, std::ostream& err) {
    const StopSignals signals;
    EventPrinter printer(invocation, out, err);
    WatchListener listener(printer);
    const std::string address = invocation.listenAddress.empty() ? ListenAddressToward(serviceUrl)
                                                                 : invocation.listenAddress;
    listener.Start(address, invocation.listenPort);
    err << "kavelin: listening on " << address << ':' << listener.Port() << '\n' << std::flush;
    // The library builds the delivery address from this variable when it subscribes.
    setenv("OVXORB_SOAP_SERVICE_PORT", std::to_string(listener.Port()).c_str(), 1);

    bool failed = false;
    std::vector<std::string> subscriptions;
    try {
        for (const std::string& event : EventsToWatch(proxy, invocation)) {
            if (StopSignals::Raised())
                break;
            const std::string info =
                SubscriptionInfoDocument(event, invocation.cookie, invocation.reliability);
            subscriptions.push_back(proxy.Subscribe(info, documents.filter, ""));
            listener.Hold(subscriptions.back());
            err << "kavelin: subscribed to " << event << ": " << subscriptions.back() << '\n'
                << std::flush;
        }
    } catch (const CPException& failure) {
        err << "kavelin: " << FailureText(failure) << '\n';
        failed = true;
    } catch (const std::exception& failure) {
        err << "kavelin: " << failure.what() << '\n';
        failed = true;
    }

    const bool answering = failed || WatchUntilStopped(proxy, invocation, printer, err);
    failed = failed || !answering;

    for (size_t i = 0; i < subscriptions.size(); ++i) {
        try {
            proxy.Unsubscribe(subscriptions[i]);
        } catch (const CPException& failure) {
            err << "kavelin: " << FailureText(failure) << " (" << subscriptions[i] << ")\n";
            failed = true;
            // Each try at a device that does not answer costs the full waits: name the rest.
            const CPExceptionCause* cause = GetExceptionCause(failure);
            if (!answering && (cause == nullptr || cause->httpStatus == 0)) {
                for (size_t left = i + 1; left < subscriptions.size(); ++left)
                    err << "kavelin: not cancelled: " << subscriptions[left] << '\n';
                break;
            }
        }
    }
    listener.Stop();
    return failed ? 1 : 0;
}

} // namespace kavelin::cli
