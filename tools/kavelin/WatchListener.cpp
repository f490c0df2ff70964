#include "WatchListener.h"

#include "soapH.h"

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pthread.h>
#include <stdexcept>
#include <sys/socket.h>

namespace kavelin::cli {

namespace {

constexpr int kBacklog = 64;
constexpr int kAcceptPollMicroseconds = 100000; // how soon a worker notices Stop
constexpr int kRequestsPerConnection = 100;
constexpr unsigned kMaxNesting = 64;
constexpr std::size_t kMaxRepeats = 1000;

// The request's own words for what went wrong, as gSOAP put them.
std::string FaultText(struct soap* soap) {
    const char** text = soap_faultstring(soap);
    std::string reason = text && *text ? *text : "error " + std::to_string(soap->error);
    const char** detail = soap_faultdetail(soap);
    if (detail && *detail && **detail)
        reason += std::string(": ") + *detail;
    return reason;
}

// The engine's receive hook, counting the request's bytes: past the limit it reports the end of
// the input, so that the request fails instead of growing further.
std::size_t LimitedReceive(struct soap* soap, char* buffer, std::size_t length) {
    auto* connection = static_cast<ListenerConnection*>(soap->user);
    if (connection->received > connection->limit) {
        connection->oversized = true;
        return 0;
    }
    const std::size_t got = connection->receive(soap, buffer, length);
    connection->received += got;
    return got;
}

// Reads and drops what the peer still sends, for a bounded time and amount, so that closing the
// socket does not reset the connection before the peer has read the answer.
void DrainBriefly(int fd) {
    ::shutdown(fd, SHUT_WR);
    char sink[4096];
    for (int round = 0; round < 256; ++round) {
        pollfd ready = {fd, POLLIN, 0};
        if (::poll(&ready, 1, 200) <= 0 || ::recv(fd, sink, sizeof sink, 0) <= 0)
            return;
    }
}

// The engine's soap_begin_serve without its own answer on failure, so that every refused
// request gets exactly one Fault, from Reject.
int BeginRequest(struct soap* soap) {
    soap_begin(soap);
    if (soap_begin_recv(soap) || soap_envelope_begin_in(soap) || soap_recv_header(soap) ||
        soap_body_begin_in(soap))
        return soap->error ? soap->error : SOAP_EOF;
    return SOAP_OK;
}

// Threads started here leave SIGINT and SIGTERM to the thread that waits for them.
class SignalsBlocked {
public:
    SignalsBlocked() {
        sigset_t blocked;
        sigemptyset(&blocked);
        sigaddset(&blocked, SIGINT);
        sigaddset(&blocked, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &blocked, &mPrevious);
    }
    ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &mPrevious, nullptr); }

private:
    sigset_t mPrevious;
};

} // namespace

WatchListener::WatchListener(DeliverySink& sink, ListenerLimits limits)
    : mSink(sink), mLimits(limits) {}

WatchListener::~WatchListener() {
    Stop();
}

void WatchListener::Start(const std::string& address, std::uint16_t port) {
    mMaster = soap_new1(SOAP_C_UTFSTRING | SOAP_IO_KEEPALIVE);
    if (!mMaster)
        throw std::runtime_error("cannot create the event listener");
    mMaster->bind_flags = SO_REUSEADDR;
    // An answer to a device that has already hung up must fail, not end the watch by SIGPIPE.
    mMaster->socket_flags = MSG_NOSIGNAL;
    mMaster->accept_timeout = -kAcceptPollMicroseconds;
    mMaster->recv_timeout = static_cast<int>(mLimits.idle.count());
    mMaster->send_timeout = static_cast<int>(mLimits.idle.count());
    mMaster->transfer_timeout = static_cast<int>(mLimits.transfer.count());
    mMaster->maxlevel = kMaxNesting;
    mMaster->maxoccurs = kMaxRepeats;
    mMaster->max_keep_alive = kRequestsPerConnection;
    if (!soap_valid_socket(soap_bind(mMaster, address.c_str(), port, kBacklog))) {
        const std::string reason = FaultText(mMaster);
        soap_free(mMaster);
        mMaster = nullptr;
        throw std::runtime_error("cannot listen on " + address + ":" + std::to_string(port) + ": " +
                                 reason);
    }
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    getsockname(mMaster->master, reinterpret_cast<sockaddr*>(&bound), &length);
    mPort = ntohs(bound.sin_port);

    const SignalsBlocked blocked;
    for (std::size_t i = 0; i < mLimits.connections; ++i) {
        mWorkers.push_back(std::make_unique<Worker>());
        Worker& worker = *mWorkers.back();
        worker.thread = std::thread([this, &worker] { Work(worker); });
    }
}

void WatchListener::Stop() {
    mStop = true;
    for (const auto& worker : mWorkers) {
        std::lock_guard lock(worker->mutex);
        if (worker->fd >= 0)
            ::shutdown(worker->fd, SHUT_RDWR);
    }
    for (const auto& worker : mWorkers) {
        if (worker->thread.joinable())
            worker->thread.join();
    }
    mWorkers.clear();
    if (mMaster) {
        soap_free(mMaster);
        mMaster = nullptr;
    }
}

void WatchListener::Work(Worker& worker) {
    struct soap* soap = soap_copy(mMaster);
    if (!soap)
        return;
    ListenerConnection connection;
    connection.sink = &mSink;
    connection.limit = mLimits.requestBytes;
    connection.receive = soap->frecv;
    soap->user = &connection;
    soap->frecv = LimitedReceive;
    while (!mStop) {
        SOAP_SOCKET accepted = SOAP_INVALID_SOCKET;
        {
            std::lock_guard lock(mAcceptMutex);
            if (mStop)
                break;
            accepted = soap_accept(soap);
        }
        if (!soap_valid_socket(accepted))
            continue; // the poll period ran out, or the peer left before it was accepted
        // Answers go out whole at once; waiting for the peer's acknowledgement would add a
        // round of delayed acknowledgement to every delivery.
        const int noDelay = 1;
        setsockopt(accepted, IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
        {
            std::lock_guard lock(worker.mutex);
            worker.fd = accepted;
        }
        ServeConnection(soap, connection);
        {
            std::lock_guard lock(worker.mutex);
            worker.fd = -1;
        }
        soap_destroy(soap);
        soap_end(soap);
        soap_force_closesock(soap);
    }
    soap_destroy(soap);
    soap_end(soap);
    soap_free(soap);
}

void WatchListener::ServeConnection(struct soap* soap, ListenerConnection& connection) {
    soap->keep_alive = soap->max_keep_alive + 1;
    for (int served = 0; served < kRequestsPerConnection && !mStop; ++served) {
        if (soap->keep_alive > 0)
            soap->keep_alive--;
        connection.received = 0;
        connection.oversized = false;
        if (BeginRequest(soap)) {
            // A peer that closes a kept-alive connection, or says nothing, sent no request.
            if (soap->error != SOAP_EOF || connection.received > 0)
                Reject(soap, connection);
            return;
        }
        if (soap_serve_request(soap) && soap->error && soap->error < SOAP_STOP) {
            Reject(soap, connection);
            return;
        }
        soap_destroy(soap);
        soap_end(soap);
        if (!soap->keep_alive)
            return;
    }
}

void WatchListener::Reject(struct soap* soap, ListenerConnection& connection) {
    if (soap->version == 0)
        soap->version = 1; // no envelope was read; the Fault is a SOAP 1.1 one
    if (connection.oversized)
        soap_sender_fault(
            soap, ("request larger than " + std::to_string(connection.limit) + " bytes").c_str(),
            nullptr);
    else if (soap->error == SOAP_NO_METHOD)
        soap_sender_fault(soap, "not a bsi:Deliver request", nullptr);
    else if (soap->error == SOAP_POST) // a body that is no SOAP envelope
        soap_sender_fault(soap, "not a SOAP envelope", nullptr);
    else
        soap_set_fault(soap);
    mSink.Rejected(FaultText(soap));
    if (!connection.oversized) {
        soap->keep_alive = 0;
        soap_send_fault(soap);
        return;
    }
    // The rest of the request is still coming: answer on a socket the engine keeps open, then
    // drain it before the worker closes it.
    soap->keep_alive = 1;
    soap_send_fault(soap);
    if (soap_valid_socket(soap->socket))
        DrainBriefly(soap->socket);
}

} // namespace kavelin::cli
