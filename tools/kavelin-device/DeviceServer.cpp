#include "DeviceServer.h"

#include "EventDelivery.h"
#include "HttpRequestReader.h"
#include "Journal.h"
#include "OperationHandler.h"
#include "ServiceDescriptions.h"
#include "SlowAndLargeAnswers.h"
#include "SoapAnswers.h"
#include "SocketIo.h"
#include "UsageSimulation.h"

#include <cerrno>
#include <cstdio>
#include <list>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace kavelin::device {

namespace {

constexpr std::chrono::milliseconds kSlice{50};
constexpr std::chrono::milliseconds kSendTimeout{5000};
// "urn:#GetData", "#urn:GetData" and "GetData" all name GetData.
std::string OperationFromAction(const std::string& action) {
    const auto cut = action.find_last_of("#:/");
    return cut == std::string::npos ? action : action.substr(cut + 1);
}

std::string Unquote(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

} // namespace

struct DeviceServer::Impl {
    struct Connection {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };

    explicit Impl(DeviceOptions opts)
        : options(std::move(opts)), requests(options.journalCapacity),
          deliveries(options.journalCapacity), delivery(options.deliveryTimeout, deliveries),
          handler(state, delivery, options.requireSession) {}

    void AcceptLoop();
    void Accept(int listenFd);
    void Serve(Socket sock, std::size_t index);
    // Answers one request; false when the connection is to be closed.
    bool ServeRequest(int fd, const HttpRequest& http, std::size_t index);
    void ReapConnections(bool all);

    DeviceOptions options;
    DeviceState state;
    Journal<RecordedRequest> requests;
    Journal<DeliveryRecord> deliveries;
    EventDelivery delivery;
    OperationHandler handler;

    std::atomic<bool> stopping{false};
    bool running = false;
    Socket tcpListener;
    Socket unixListener;
    std::uint16_t port = 0;
    std::string boundUnixPath;
    mutable std::mutex errorMutex;
    std::string lastError;
    std::thread acceptor;
    std::mutex connectionMutex;
    std::list<Connection> connections;
    std::size_t acceptedCount = 0;
    std::unique_ptr<UsageSimulation> usage;
};

void DeviceServer::Impl::AcceptLoop() {
    while (!stopping.load()) {
        pollfd fds[2];
        nfds_t count = 0;
        for (const Socket* listener : {&tcpListener, &unixListener}) {
            if (listener->Valid()) {
                fds[count++] = pollfd{listener->Fd(), POLLIN, 0};
            }
        }
        const int ready = ::poll(fds, count, static_cast<int>(kSlice.count()));
        ReapConnections(false);
        for (nfds_t i = 0; ready > 0 && i < count; ++i) {
            if (fds[i].revents & POLLIN) {
                Accept(fds[i].fd);
            }
        }
    }
}

void DeviceServer::Impl::Accept(int listenFd) {
    Socket sock(::accept4(listenFd, nullptr, nullptr, SOCK_CLOEXEC));
    if (!sock.Valid()) {
        return;
    }
    std::lock_guard lock(connectionMutex);
    if (connections.size() >= options.maxConnections) {
        SendAll(sock.Fd(), HttpErrorResponse(503, "too many connections"), kSlice, stopping);
        return;
    }
    const std::size_t index = acceptedCount++;
    auto done = std::make_shared<std::atomic<bool>>(false);
    connections.push_back(
        Connection{std::thread([this, done, index, s = std::move(sock)]() mutable {
                       Serve(std::move(s), index);
                       done->store(true);
                   }),
                   done});
}

void DeviceServer::Impl::ReapConnections(bool all) {
    std::list<Connection> finished;
    {
        std::lock_guard lock(connectionMutex);
        for (auto it = connections.begin(); it != connections.end();) {
            if (all || it->done->load()) {
                finished.splice(finished.end(), connections, it++);
            } else {
                ++it;
            }
        }
    }
    for (Connection& connection : finished) {
        connection.thread.join();
    }
}

void DeviceServer::Impl::Serve(Socket sock, std::size_t index) {
    HttpLimits limits{options.maxHeaderBytes, options.maxBodyBytes, options.idleTimeout,
                      options.requestTimeout};
    HttpRequestReader reader(sock.Fd(), limits, stopping);
    HttpRequest http;
    for (;;) {
        const HttpRequestReader::Outcome outcome = reader.Next(http);
        if (outcome.status == HttpRequestReader::Status::Closed) {
            return;
        }
        if (outcome.status == HttpRequestReader::Status::Malformed) {
            if (options.verbose) {
                std::fprintf(stderr, "kavelin-device: connection %zu: %d %s\n", index,
                             outcome.httpStatus, outcome.reason.c_str());
            }
            SendAll(sock.Fd(), HttpErrorResponse(outcome.httpStatus, outcome.reason), kSendTimeout,
                    stopping);
            return;
        }
        if (!ServeRequest(sock.Fd(), http, index)) {
            return;
        }
    }
}

bool DeviceServer::Impl::ServeRequest(int fd, const HttpRequest& http, std::size_t index) {
    RecordedRequest record;
    record.head = http.head;
    record.body = http.body;
    record.path = http.target;
    record.soapAction = Unquote(http.Header("SOAPAction"));
    record.connection = index;

    SoapRequest soap;
    std::string parseError;
    const bool parsed = http.method == "POST" && ParseSoapRequest(http.body, &soap, &parseError);
    record.operation =
        parsed && !soap.operation.empty() ? soap.operation : OperationFromAction(record.soapAction);
    const std::string operation = record.operation;
    requests.Append(std::move(record));
    if (options.verbose) {
        std::fprintf(stderr, "kavelin-device: connection %zu: %s %s %s\n", index,
                     http.method.c_str(), http.target.c_str(), operation.c_str());
    }
    if (http.method == "GET") {
        if (const auto wsdl = ServiceDescriptionFor(http.target, http.Header("Host"))) {
            return SendAll(fd, HttpResponse(200, *wsdl, http.keepAlive), kSendTimeout, stopping) &&
                   http.keepAlive;
        }
    }
    if (http.method != "POST") {
        SendAll(fd, HttpErrorResponse(405, "only POST is served"), kSendTimeout, stopping);
        return false;
    }

    const FaultDecision decision = state.faults.Take(operation);
    if (!SleepUnlessStopped(decision.delay, stopping)) {
        return false;
    }
    SoapAnswer answer;
    switch (decision.what) {
    case Misbehaviour::NeverAnswer:
        while (SleepUnlessStopped(kSlice, stopping)) {
        }
        return false;
    case Misbehaviour::Scripted:
        if (decision.script.kind == ScriptedAnswer::Kind::Dripped) {
            SendDripped(fd, decision.script.text, stopping);
            return false;
        }
        if (decision.script.kind == ScriptedAnswer::Kind::RawHttp) {
            // The script's own framing is unknown here, so the connection ends with it.
            SendAll(fd, decision.script.text, kSendTimeout, stopping);
            return false;
        }
        answer = {200, decision.script.text};
        break;
    case Misbehaviour::SoapFault:
        answer = handler.Fault(false, "injected fault for " + operation, "ServiceException",
                               "InternalError");
        break;
    case Misbehaviour::Oversize:
        SendOversizeAnswer(fd, stopping);
        return false;
    case Misbehaviour::None:
    case Misbehaviour::CloseMidAnswer:
    case Misbehaviour::Drip:
    case Misbehaviour::Twice:
        if (!parsed) {
            answer = handler.Fault(true, "malformed request: " + parseError, "ServiceException",
                                   "InvalidParameter");
        } else if (!soap.operationElement) {
            answer = handler.Fault(true, "the Body holds no request element", "ServiceException",
                                   "InvalidParameter");
        } else {
            answer = handler.Handle(soap);
        }
        break;
    }
    const std::string bytes = HttpResponse(answer.httpStatus, answer.envelope, http.keepAlive);
    if (decision.what == Misbehaviour::Drip) {
        // The device's own answer, alive but never quite done; the connection ends with it.
        SendDripped(fd, bytes, stopping);
        return false;
    }
    if (decision.what == Misbehaviour::CloseMidAnswer) {
        SendAll(fd, std::string_view(bytes).substr(0, bytes.size() / 2), kSendTimeout, stopping);
        return false;
    }
    if (decision.what == Misbehaviour::Twice) {
        if (decision.copyAfter.count() == 0) {
            return SendAll(fd, bytes + bytes, kSendTimeout, stopping) && http.keepAlive;
        }
        if (!SendAll(fd, bytes, kSendTimeout, stopping) ||
            !SleepUnlessStopped(decision.copyAfter, stopping)) {
            return false;
        }
    }
    return SendAll(fd, bytes, kSendTimeout, stopping) && http.keepAlive;
}

DeviceServer::DeviceServer(DeviceOptions options)
    : mImpl(std::make_unique<Impl>(std::move(options))) {}

DeviceServer::~DeviceServer() {
    Stop();
}

bool DeviceServer::Start() {
    Impl& impl = *mImpl;
    if (impl.running) {
        return true;
    }
    std::string error;
    const std::string& xdm = impl.options.xdmText.empty() ? SampleXdm() : impl.options.xdmText;
    impl.state.xdm.SetLenientPrefixes(impl.options.lenientPrefixes);
    if (!impl.state.xdm.Load(xdm, &error)) {
        std::lock_guard lock(impl.errorMutex);
        impl.lastError = "XDM document: " + error;
        return false;
    }
    impl.stopping = false;
    if (impl.options.tcpPort) {
        impl.tcpListener = ListenTcpLoopback(*impl.options.tcpPort, &impl.port, &error);
    }
    if (error.empty() && !impl.options.unixPath.empty()) {
        impl.unixListener = ListenUnix(impl.options.unixPath, &error);
        if (impl.unixListener.Valid()) {
            impl.boundUnixPath = impl.options.unixPath;
        }
    }
    if (error.empty() && !impl.tcpListener.Valid() && !impl.unixListener.Valid()) {
        error = "neither a TCP port nor a Unix socket path was given";
    }
    if (!error.empty()) {
        impl.tcpListener.Close();
        impl.unixListener.Close();
        impl.port = 0;
        std::lock_guard lock(impl.errorMutex);
        impl.lastError = error;
        return false;
    }
    impl.handler.SetServiceUri(XdmServiceUrl());
    impl.requests.Reopen();
    impl.deliveries.Reopen();
    impl.delivery.Start();
    impl.acceptor = std::thread([&impl] { impl.AcceptLoop(); });
    if (impl.options.usagePeriod.count() > 0) {
        impl.usage = std::make_unique<UsageSimulation>(
            impl.options.usagePeriod, [this] { return XdmDocument(); },
            [this](const std::string& fragment) { ApplyDeviceChange(fragment); });
        impl.usage->Start();
    }
    impl.running = true;
    return true;
}

void DeviceServer::Stop() {
    Impl& impl = *mImpl;
    if (!impl.running) {
        return;
    }
    impl.stopping = true;
    impl.acceptor.join();
    impl.ReapConnections(true);
    impl.usage.reset();
    impl.delivery.Stop();
    impl.tcpListener.Close();
    impl.unixListener.Close();
    if (!impl.boundUnixPath.empty()) {
        ::unlink(impl.boundUnixPath.c_str());
    }
    impl.requests.Close();
    impl.deliveries.Close();
    impl.running = false;
}

std::uint16_t DeviceServer::Port() const {
    return mImpl->port;
}
std::string DeviceServer::UnixPath() const {
    return mImpl->boundUnixPath;
}
std::string DeviceServer::BaseUrl() const {
    return "http://127.0.0.1:" + std::to_string(mImpl->port);
}
std::string DeviceServer::BaseServiceUrl() const {
    return BaseUrl() + "/BaseService";
}
std::string DeviceServer::XdmServiceUrl() const {
    return BaseUrl() + "/xdm/ixa/IXDMAccessSet.asmx";
}
std::string DeviceServer::LastError() const {
    std::lock_guard lock(mImpl->errorMutex);
    return mImpl->lastError;
}

void DeviceServer::FailNext(const std::string& operation, int count) {
    mImpl->state.faults.Add(Misbehaviour::SoapFault, operation, count, {});
}
void DeviceServer::CloseMidAnswerNext(const std::string& operation, int count) {
    mImpl->state.faults.Add(Misbehaviour::CloseMidAnswer, operation, count, {});
}
void DeviceServer::NeverAnswerNext(const std::string& operation, int count) {
    mImpl->state.faults.Add(Misbehaviour::NeverAnswer, operation, count, {});
}
void DeviceServer::DripNext(const std::string& operation, int count) {
    mImpl->state.faults.Add(Misbehaviour::Drip, operation, count, {});
}
void DeviceServer::OversizeNext(const std::string& operation, int count) {
    mImpl->state.faults.Add(Misbehaviour::Oversize, operation, count, {});
}
void DeviceServer::AnswerTwiceNext(const std::string& operation, int count,
                                   std::chrono::milliseconds copyAfter) {
    mImpl->state.faults.Add(Misbehaviour::Twice, operation, count, {}, copyAfter);
}
void DeviceServer::SetDelay(std::chrono::milliseconds delay) {
    mImpl->state.faults.SetDelay(delay);
}
void DeviceServer::SetOmitSessionTicket(bool omit) {
    mImpl->state.faults.SetOmitSessionTicket(omit);
}
void DeviceServer::SetOmitSubscriptionId(bool omit) {
    mImpl->state.faults.SetOmitSubscriptionId(omit);
}
void DeviceServer::SetUseReturnElement(bool useReturn) {
    mImpl->state.faults.SetUseReturnElement(useReturn);
}
void DeviceServer::SetSupportedEvents(std::vector<std::string> events) {
    mImpl->handler.SetSupportedEvents(std::move(events));
}
void DeviceServer::Script(const std::string& operation, ScriptedAnswer answer, int count) {
    mImpl->state.faults.Add(Misbehaviour::Scripted, operation, count, std::move(answer));
}
void DeviceServer::ClearFaults() {
    mImpl->state.faults.Clear();
}

std::vector<RecordedRequest> DeviceServer::Requests() const {
    return mImpl->requests.All();
}
std::size_t DeviceServer::RequestCount() const {
    return mImpl->requests.Count();
}
bool DeviceServer::WaitForRequests(std::size_t count, std::chrono::milliseconds timeout) const {
    return mImpl->requests.WaitFor(count, timeout);
}
void DeviceServer::ClearRequests() {
    mImpl->requests.Clear();
}
std::vector<DeliveryRecord> DeviceServer::Deliveries() const {
    return mImpl->deliveries.All();
}
bool DeviceServer::WaitForDeliveries(std::size_t count, std::chrono::milliseconds timeout) const {
    return mImpl->deliveries.WaitFor(count, timeout);
}

std::string DeviceServer::XdmDocument() const {
    return mImpl->state.xdm.Text();
}
std::vector<SessionRecord> DeviceServer::Sessions() const {
    return mImpl->state.sessions.All();
}
std::vector<SubscriptionRecord> DeviceServer::Subscriptions() const {
    return mImpl->state.subscriptions.All();
}

bool DeviceServer::ApplyDeviceChange(const std::string& fragment, std::string* error) {
    std::string reason;
    XmlDocPtr doc = ParseXml(fragment, &reason);
    std::vector<XdmChange> changes;
    if (!doc ||
        !mImpl->state.xdm.Merge(xmlDocGetRootElement(doc.get()), false, &changes, &reason)) {
        if (error) {
            *error = reason;
        }
        return false;
    }
    mImpl->handler.Notify(changes);
    return true;
}

} // namespace kavelin::device
