#include "proxy/EngineContext.h"

#include <algorithm>
#include <ctime>

#include "os/kernel/SendFlags.h"

namespace kavelin::proxy {

namespace {

using ReceiveHook = size_t (*)(struct soap*, char*, size_t);

// The engine's own receive, the same for every context.
ReceiveHook EngineReceive(struct soap* soap) {
    static const ReceiveHook engineReceive = soap->frecv;
    return engineReceive;
}

// The engine checks its whole-answer limit only once a wait for bytes has ended, so a device
// that sends nothing held an answer for the full wait, twice with the retry. Each wait is cut
// to what is left of the whole answer's time, counted from the start of the answer, as the
// engine counts it.
size_t ReceiveWithinTheTransferLimit(struct soap* soap, char* buffer, size_t size) {
    const int wait = soap->recv_timeout;
    if (soap->transfer_timeout > 0) {
        const auto spent = std::difftime(std::time(nullptr), static_cast<time_t>(soap->start));
        const int left = soap->transfer_timeout - static_cast<int>(spent);
        if (left <= 0) {
            soap->errnum = 0;
            return 0;
        }
        if (wait == 0 || (wait > 0 && left < wait) || (wait < 0 && left < -wait / 1000000))
            soap->recv_timeout = left;
    }
    const size_t received = EngineReceive(soap)(soap, buffer, size);
    soap->recv_timeout = wait;
    return received;
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
    EngineReceive(&mSoap);
    mSoap.frecv = ReceiveWithinTheTransferLimit;
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
    if (buffered || (soap_valid_socket(mSoap.socket) && soap_ready(&mSoap) == SOAP_OK))
        CloseConnection();
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
