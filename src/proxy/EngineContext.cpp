#include "proxy/EngineContext.h"

#include "os/SendFlags.h"

namespace kavelin::proxy {

EngineContext::EngineContext() {
    soap_init2(&mSoap, binding::kEngineMode, binding::kEngineMode);
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
    Configure();
}

void EngineContext::SetTimeouts(const ExchangeTimeouts& timeouts) {
    mTimeouts = timeouts;
    Configure();
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
