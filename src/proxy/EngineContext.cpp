#include "proxy/EngineContext.h"

#include <algorithm>
#include <climits>
#include <ctime>
#include <new>

#include "os/kernel/SendFlags.h"
#include "os/kernel/SocketWaits.h"

namespace kavelin::proxy {

namespace {

// The engine's own hooks, the same for every context.
struct EngineHooks {
    decltype(soap::fopen) open;
    decltype(soap::fsend) send;
    decltype(soap::frecv) receive;
};

const EngineHooks& Engine(struct soap* soap) {
    static const EngineHooks hooks{soap->fopen, soap->fsend, soap->frecv};
    return hooks;
}

// A wait no socket has: the first send or receive on a new connection sets its own.
constexpr int kNoWaitApplied = INT_MIN;
// A signal ends a bounded wait early; a few of them in a row are the host's business, many are
// a wait without end.
constexpr int kMostInterruptions = 8;

// Which socket an exchange sends on or receives from, as the engine chooses it.
SOAP_SOCKET ExchangeSocket(SOAP_SOCKET preferred, SOAP_SOCKET connection) {
    return soap_valid_socket(preferred) ? preferred : connection;
}

// Whole seconds left of the answer's time, counted from the start of the exchange as the
// engine counts them; INT_MAX without such a limit.
int TransferSecondsLeft(const struct soap* soap) {
    if (soap->transfer_timeout <= 0)
        return INT_MAX;
    const auto spent = std::difftime(std::time(nullptr), static_cast<time_t>(soap->start));
    return soap->transfer_timeout - static_cast<int>(spent);
}

// The engine sends a stored request's header in its buffered mode, before the stored body.
bool SendingHeader(const struct soap* soap) {
    return (soap->omode & SOAP_IO) == SOAP_IO_STORE && (soap->mode & SOAP_IO) == SOAP_IO_BUFFER;
}

} // namespace

EngineContext::EngineContext() {
    soap_init2(&mSoap, binding::kEngineMode, binding::kEngineMode);
    InstallHooks();
    Configure();
}

EngineContext::~EngineContext() {
    ReleaseDecodedData();
    soap_done(&mSoap);
}

void EngineContext::Restart() {
    // soap_done leaves decoded data allocated, and a context it has ended refuses plug-ins and
    // never frees memory again, so the data goes first and the context is set up anew.
    ReleaseDecodedData();
    soap_done(&mSoap);
    soap_init2(&mSoap, binding::kEngineMode, binding::kEngineMode);
    InstallHooks();
    Configure();
}

void EngineContext::InstallHooks() {
    // Before any plug-in, which chains to what it finds.
    Engine(&mSoap);
    mSoap.user = this;
    mSoap.fopen = Open;
    mSoap.fpoll = Poll;
    mSoap.fsend = Send;
    mSoap.frecv = Receive;
    mWaitSocket = SOAP_INVALID_SOCKET;
}

SOAP_SOCKET EngineContext::Open(struct soap* soap, const char* endpoint, const char* host,
                                int port) {
    auto* self = static_cast<EngineContext*>(soap->user);
    const SOAP_SOCKET socket = Engine(soap).open(soap, endpoint, host, port);
    // The engine leaves a socket it connected within a bound non-blocking; the system bounds
    // each send and receive on it instead, so no readiness check goes before them.
    self->mWaitSocket =
        soap_valid_socket(socket) && os::MakeBlocking(socket) ? socket : SOAP_INVALID_SOCKET;
    self->mReceiveWait = kNoWaitApplied;
    self->mSendWait = kNoWaitApplied;
    self->mHeldHeader.clear();
    return socket;
}

int EngineContext::Poll(struct soap* soap) {
    static_cast<EngineContext*>(soap->user)->mHeldHeader.clear();
    // A kept connection serves the next exchange only when it holds nothing: bytes there are
    // a late or extra answer to an earlier request, and one the device ended or that failed
    // must be opened anew.
    return !soap_valid_socket(soap->socket) || os::ConnectionQuiet(soap->socket) ? SOAP_OK
                                                                                 : SOAP_EOF;
}

int EngineContext::Send(struct soap* soap, const char* data, size_t size) {
    auto* self = static_cast<EngineContext*>(soap->user);
    const SOAP_SOCKET socket = ExchangeSocket(soap->sendsk, soap->socket);
    if (socket != self->mWaitSocket || soap->os != nullptr)
        return Engine(soap).send(soap, data, size);
    // The header waits for the body's first piece, so that a request leaves in one system
    // call; a piece larger than the engine's buffer is not copied for that.
    std::string& held = self->mHeldHeader;
    bool joined = false;
    try {
        if (SendingHeader(soap)) {
            held.append(data, size);
            return SOAP_OK;
        }
        joined = !held.empty() && size <= SOAP_BUFLEN;
        if (joined)
            held.append(data, size);
    } catch (const std::bad_alloc&) {
        held.clear();
        return SOAP_EOM;
    }
    if (!held.empty()) {
        const int result = self->SendAll(socket, held.data(), held.size());
        held.clear();
        if (result != SOAP_OK || joined)
            return result;
    }
    return self->SendAll(socket, data, size);
}

int EngineContext::SendAll(SOAP_SOCKET socket, const char* data, size_t size) {
    struct soap* soap = &mSoap;
    soap->errnum = 0;
    if (mSendWait != soap->send_timeout) {
        if (!os::SetSendWait(socket, soap->send_timeout)) {
            soap->errnum = soap_socket_errno;
            return SOAP_EOF;
        }
        mSendWait = soap->send_timeout;
    }
    for (int interruptions = 0; size > 0;) {
        if (TransferSecondsLeft(soap) < 0)
            return SOAP_EOF;
        const auto sent =
            send(socket, data, static_cast<SOAP_WINSOCKINT>(size), soap->socket_flags);
        if (sent > 0) {
            data += sent;
            size -= static_cast<size_t>(sent);
            continue;
        }
        const int error = sent < 0 ? soap_socket_errno : 0;
        if (error == SOAP_EINTR && ++interruptions < kMostInterruptions)
            continue;
        soap->errnum = os::WaitExpired(error) ? 0 : error;
        return SOAP_EOF;
    }
    return SOAP_OK;
}

// The engine checks its whole-answer limit only once a wait for bytes has ended, so a device
// that sends nothing held an answer for the full wait, twice with the retry. Each wait is cut
// to what is left of the whole answer's time, counted from the start of the answer, as the
// engine counts it.
size_t EngineContext::Receive(struct soap* soap, char* buffer, size_t size) {
    auto* self = static_cast<EngineContext*>(soap->user);
    const int ioWait = soap->recv_timeout;
    int wait = ioWait;
    if (const int left = TransferSecondsLeft(soap); left != INT_MAX) {
        if (left <= 0) {
            soap->errnum = 0;
            return 0;
        }
        if (wait == 0 || (wait > 0 && left < wait) || (wait < 0 && left < -wait / 1000000))
            wait = left;
    }
    const SOAP_SOCKET socket = ExchangeSocket(soap->recvsk, soap->socket);
    if (socket != self->mWaitSocket || soap->is != nullptr) {
        soap->recv_timeout = wait;
        const size_t received = Engine(soap).receive(soap, buffer, size);
        soap->recv_timeout = ioWait;
        return received;
    }
    soap->errnum = 0;
    if (self->mReceiveWait != wait) {
        if (!os::SetReceiveWait(socket, wait)) {
            soap->errnum = soap_socket_errno;
            return 0;
        }
        self->mReceiveWait = wait;
    }
    for (int interruptions = 0;;) {
        const auto received = recv(socket, buffer, static_cast<SOAP_WINSOCKINT>(size), 0);
        if (received >= 0)
            return static_cast<size_t>(received);
        const int error = soap_socket_errno;
        if (error == SOAP_EINTR && ++interruptions < kMostInterruptions)
            continue;
        // A wait that ran out is told from a failed connection by errnum 0, as the engine does.
        soap->errnum = os::WaitExpired(error) ? 0 : error;
        return 0;
    }
}

void EngineContext::SetTimeouts(const ExchangeTimeouts& timeouts) {
    mTimeouts = timeouts;
    Configure();
}

void EngineContext::DropUnreadAnswer() {
    // Blanks after an answer's envelope are part of it, and the engine skips them anyway.
    const char* first = mSoap.buf + mSoap.bufidx;
    const char* last = mSoap.buf + std::max(mSoap.bufidx, mSoap.buflen);
    const bool buffered = std::any_of(
        first, last, [](char c) { return c != ' ' && c != '\t' && c != '\r' && c != '\n'; });
    // Nothing buffered may be read as the coming answer, whatever becomes of the connection.
    mSoap.bufidx = 0;
    mSoap.buflen = 0;
    // What waits on the socket is found as the next exchange decides to reuse the connection.
    if (buffered)
        CloseConnection();
}

void EngineContext::StoreNextRequest() {
    // Serialised once, where counting the length first serialised it twice, and handed to the
    // transport in a few pieces instead of many.
    mSoap.omode = (mSoap.omode & ~SOAP_IO) | SOAP_IO_STORE;
}

void EngineContext::CloseConnection() {
    // The engine's own close hook, or the one a transport plug-in put in its place.
    mSoap.keep_alive = 0;
    if (mSoap.fclose != nullptr)
        mSoap.fclose(&mSoap);
}

void EngineContext::ReleaseDecodedData() {
    soap_destroy(&mSoap);
    soap_end(&mSoap);
}

void EngineContext::Configure() {
    if (mSoap.namespaces == nullptr)
        soap_set_namespaces(&mSoap, namespaces);
    mSoap.connect_timeout = mTimeouts.connectSeconds;
    mSoap.send_timeout = mTimeouts.ioSeconds;
    mSoap.recv_timeout = mTimeouts.ioSeconds;
    // A write to a connection the device has closed must fail, not kill the host's process.
    mSoap.socket_flags = os::kSendFlags;
    // With no peer the engine falls back to these descriptors (standard input and output): the
    // host's streams are never ours, so such an exchange fails instead.
    mSoap.sendfd = -1;
    mSoap.recvfd = -1;
    mSoap.transfer_timeout = mTimeouts.transferSeconds;
    mSoap.recv_maxlength = mTimeouts.maxAnswerBytes;
}

} // namespace kavelin::proxy
