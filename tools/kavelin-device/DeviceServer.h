#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A simulated printing device serving the base service (sessions, events) and the XDM access
// service over HTTP/1.1 on 127.0.0.1 and/or a Unix-domain socket. It is a peer written from
// the wire format alone, so tests can check the proxy against something it does not share
// code with. Every path is accepted: dispatch is on the SOAP Body's first element.
namespace kavelin::device {

struct DeviceOptions {
    // TCP port on 127.0.0.1: 0 picks an ephemeral port; no value means no TCP listener.
    std::optional<std::uint16_t> tcpPort = 0;
    // Unix-domain socket path; empty means none. An existing socket file there is replaced.
    std::string unixPath;
    // Initial XDM document text; empty means the built-in sample printer.
    std::string xdmText;
    std::size_t maxConnections = 32;
    std::size_t maxHeaderBytes = 16 * 1024;
    std::size_t maxBodyBytes = 4 * 1024 * 1024;
    // A connection with no new request for this long is closed.
    std::chrono::milliseconds idleTimeout{10000};
    // A request must arrive whole within this long of its first byte, so that connections
    // which trickle cannot hold the device's connections for ever.
    std::chrono::milliseconds requestTimeout{10000};
    // Connect, send and answer wait of one event delivery attempt.
    std::chrono::milliseconds deliveryTimeout{1000};
    // With a period, consumables run down and counters rise on it as if the device printed.
    std::chrono::milliseconds usagePeriod{0};
    // Answer data operations only inside a live session (header bsi:SessionID).
    bool requireSession = true;
    // Resolve the prefix "dd" to the data model's namespace when a request does not map it,
    // as in-process tests expect; kavelin-device and kavelin --simulate turn it off.
    bool lenientPrefixes = true;
    // Print one line per request to standard error.
    bool verbose = false;
    // How many of the latest requests and of the latest event deliveries are kept for
    // Requests() and Deliveries(); older ones are dropped, but still counted.
    std::size_t journalCapacity = 4096;
};

// One request as it arrived, in arrival order.
struct RecordedRequest {
    std::string head;           // request line and header lines, as received (CRLFs kept)
    std::string body;           // the body, de-chunked
    std::string path;           // request target
    std::string soapAction;     // SOAPAction header value without quotes; empty when absent
    std::string operation;      // local name of the Body's first element, else the action's name
    std::size_t connection = 0; // 0-based index of the accepted connection it came on
};

// One attempt to deliver an event to a subscriber.
struct DeliveryRecord {
    std::string subscriptionId;
    std::string eventName;
    std::string address;  // the subscriber's delivery address as given
    std::string envelope; // the bsi:Deliver envelope that was posted
    int httpStatus = 0;   // status of the subscriber's answer; 0 when it failed or was refused
    std::string error;    // why it failed; empty on success
    bool retry = false;   // the subscription asked for retries (reliability Retry)
    int attempts = 0;     // attempts made; more than one only with `retry`
};

// A hand-written answer for an operation, sent instead of the device's own.
struct ScriptedAnswer {
    enum class Kind {
        Envelope, // a SOAP envelope: sent with a 200 status line and Content-Length
        RawHttp,  // bytes sent unchanged, the status line and headers included
        Dripped   // the same, one byte a quarter of a second
    };
    Kind kind = Kind::Envelope;
    std::string text;
};

struct SessionRecord {
    std::string id;
    std::string language;
    std::vector<std::string> roles;
};

struct SubscriptionRecord {
    std::string id;
    std::string sessionId;
    std::string eventName;
    std::string clientCookie;
    std::string reliability;
    std::string deliveryAddress;
    std::vector<std::pair<std::string, std::string>> filter;
};

// The operation name "" in the controls below matches every operation.
class DeviceServer {
public:
    static constexpr int kAlways = -1;

    explicit DeviceServer(DeviceOptions options = {});
    ~DeviceServer(); // stops
    DeviceServer(const DeviceServer&) = delete;
    DeviceServer& operator=(const DeviceServer&) = delete;

    // Binds the listeners and starts serving. False (with a reason in LastError) when a
    // listener cannot be bound or the XDM document does not parse.
    bool Start();
    // Closes the listeners and every connection, joins all threads. Prompt: every wait is
    // bounded by a short poll. Idempotent.
    void Stop();

    std::uint16_t Port() const;         // bound TCP port; 0 without a TCP listener
    std::string UnixPath() const;       // bound socket path; empty without one
    std::string BaseUrl() const;        // "http://127.0.0.1:PORT"
    std::string BaseServiceUrl() const; // BaseUrl() + "/BaseService"
    std::string XdmServiceUrl() const;  // BaseUrl() + "/xdm/ixa/IXDMAccessSet.asmx"
    std::string LastError() const;

    // Fault controls. Counted controls apply to the next `count` requests of `operation`.
    void FailNext(const std::string& operation, int count);           // SOAP Fault (HTTP 500)
    void CloseMidAnswerNext(const std::string& operation, int count); // half an answer, close
    void NeverAnswerNext(const std::string& operation, int count);    // silent until Stop
    // The device's own answer, one byte a quarter of a second, then the connection closes.
    void DripNext(const std::string& operation, int count);
    // A 65 MiB answer (kOversizeAnswerBytes), past a client's default 64 MiB cap.
    void OversizeNext(const std::string& operation, int count);
    // The device's own answer sent twice, the copy right behind it or `copyAfter` later, as a
    // device that repeats itself would: a client must never take the copy for its next answer.
    void AnswerTwiceNext(const std::string& operation, int count,
                         std::chrono::milliseconds copyAfter = {});
    void SetDelay(std::chrono::milliseconds delay); // before every answer
    void SetOmitSessionTicket(bool omit);           // StartSessionResponse without its result
    void SetOmitSubscriptionId(bool omit);          // SubscribeResponse without its result
    // Answer StartSession, Subscribe, GetSupportedEvents and GetData with the alternate
    // result element name "return".
    void SetUseReturnElement(bool useReturn);
    void SetSupportedEvents(std::vector<std::string> events);
    // Answer the next `count` requests of `operation` (kAlways: until cleared) with `answer`.
    void Script(const std::string& operation, ScriptedAnswer answer, int count = kAlways);
    void ClearFaults(); // every control above back to normal behaviour

    // Recording: the latest DeviceOptions::journalCapacity requests and deliveries.
    std::vector<RecordedRequest> Requests() const;
    // Requests received since the last ClearRequests, the dropped ones included.
    std::size_t RequestCount() const;
    // Waits until at least `count` requests have been recorded; false on timeout or stop.
    bool WaitForRequests(std::size_t count, std::chrono::milliseconds timeout) const;
    void ClearRequests();
    std::vector<DeliveryRecord> Deliveries() const;
    bool WaitForDeliveries(std::size_t count, std::chrono::milliseconds timeout) const;

    // Device state.
    std::string XdmDocument() const; // the current XDM document as text
    std::vector<SessionRecord> Sessions() const;
    std::vector<SubscriptionRecord> Subscriptions() const;
    // Applies a change the way the device's own hardware would (no settable check) and
    // notifies subscribers. False with a reason when the fragment does not fit the document.
    bool ApplyDeviceChange(const std::string& fragment, std::string* error = nullptr);

private:
    struct Impl;
    std::unique_ptr<Impl> mImpl;
};

// The built-in sample printer document.
const std::string& SampleXdm();

} // namespace kavelin::device
