#include "WatchDeliveryReader.h"

#include "soapH.h"

#include <cstring>
#include <new>

namespace kavelin::cli {

namespace {

constexpr unsigned kMaxNesting = 64;
constexpr std::size_t kMaxRepeats = 1000;
constexpr char kContinueLine[] = "HTTP/1.1 100 Continue";

// The request's own words for what went wrong, as gSOAP put them.
std::string FaultText(struct soap* soap) {
    const char** text = soap_faultstring(soap);
    std::string reason = text && *text ? *text : "error " + std::to_string(soap->error);
    const char** detail = soap_faultdetail(soap);
    if (detail && *detail && **detail)
        reason += std::string(": ") + *detail;
    return reason;
}

DeliveryExchange& Exchange(struct soap* soap) {
    return *static_cast<DeliveryExchange*>(soap->user);
}

std::size_t ReadRequest(struct soap* soap, char* buffer, std::size_t length) {
    DeliveryExchange& exchange = Exchange(soap);
    const std::string_view rest = exchange.request.substr(exchange.consumed);
    const std::size_t taken = rest.size() < length ? rest.size() : length;
    std::memcpy(buffer, rest.data(), taken);
    exchange.consumed += taken;
    return taken;
}

int WriteAnswer(struct soap* soap, const char* bytes, std::size_t length) {
    try {
        Exchange(soap).outcome.answer.append(bytes, length);
        return SOAP_OK;
    } catch (const std::bad_alloc&) {
        return SOAP_EOM;
    }
}

// The engine answers "Expect: 100-continue" while it reads the head; the listener has already
// sent that line, when the body was still to come, so it and the blank line after it are left
// out here and the answer starts at its status line.
int PostHeader(struct soap* soap, const char* key, const char* value) {
    DeliveryExchange& exchange = Exchange(soap);
    if (key != nullptr && value == nullptr && std::strcmp(key, kContinueLine) == 0) {
        exchange.skipBlankLine = true;
        return SOAP_OK;
    }
    if (key == nullptr && value == nullptr && exchange.skipBlankLine) {
        exchange.skipBlankLine = false;
        return SOAP_OK;
    }
    return exchange.enginePostHeader(soap, key, value);
}

// The engine's soap_begin_serve without its own answer on failure, so that every refused
// request gets exactly one Fault.
int BeginRequest(struct soap* soap) {
    soap_begin(soap);
    if (soap_begin_recv(soap) || soap_envelope_begin_in(soap) || soap_recv_header(soap) ||
        soap_body_begin_in(soap))
        return soap->error ? soap->error : SOAP_EOF;
    return SOAP_OK;
}

void SendFault(struct soap* soap, DeliveryExchange& exchange) {
    if (soap->version == 0)
        soap->version = 1; // no envelope was read; the Fault is a SOAP 1.1 one
    // The engine answers OPTIONS and HEAD itself and stops; here they are refused as well.
    if (soap->error == SOAP_STOP)
        soap_sender_fault(soap, "not a bsi:Deliver request", nullptr);
    else if (soap->error == SOAP_NO_METHOD)
        soap_sender_fault(soap, "not a bsi:Deliver request", nullptr);
    else if (soap->error == SOAP_POST) // a body that is no SOAP envelope
        soap_sender_fault(soap, "not a SOAP envelope", nullptr);
    else
        soap_set_fault(soap);
    exchange.outcome.refusal = FaultText(soap);
    exchange.outcome.answer.clear(); // a half-written answer gives way to the Fault
    exchange.outcome.event.reset();
    soap->keep_alive = 0;
    soap_send_fault(soap);
}

} // namespace

DeliveryReader::DeliveryReader() : mSoap(soap_new1(SOAP_C_UTFSTRING | SOAP_IO_KEEPALIVE)) {
    if (mSoap == nullptr)
        throw std::bad_alloc();
    mSoap->maxlevel = kMaxNesting;
    mSoap->maxoccurs = kMaxRepeats;
    // Not a socket and not standard input and output: the engine answers with an HTTP status
    // line, through the hooks below.
    mSoap->recvfd = -1;
    mSoap->sendfd = -1;
    mSoap->fpoll = nullptr;
    mSoap->frecv = ReadRequest;
    mSoap->fsend = WriteAnswer;
    mEnginePostHeader = mSoap->fposthdr;
    mSoap->fposthdr = PostHeader;
}

DeliveryReader::~DeliveryReader() {
    soap_destroy(mSoap);
    soap_end(mSoap);
    soap_free(mSoap);
}

DeliveryOutcome DeliveryReader::Read(std::string_view request, const HeldSubscription& held) {
    DeliveryExchange exchange;
    exchange.request = request;
    exchange.held = &held;
    exchange.enginePostHeader = mEnginePostHeader;
    mSoap->user = &exchange;
    // Each request stands alone: nothing of an earlier one stays in the engine's buffer.
    mSoap->buflen = mSoap->bufidx = 0;
    mSoap->keep_alive = 1;
    if (BeginRequest(mSoap) ||
        (soap_serve_request(mSoap) && mSoap->error && mSoap->error < SOAP_STOP))
        SendFault(mSoap, exchange);
    exchange.outcome.keepAlive = mSoap->keep_alive != 0 && exchange.outcome.refusal.empty();
    soap_destroy(mSoap);
    soap_end(mSoap);
    mSoap->user = nullptr;
    return std::move(exchange.outcome);
}

DeliveryOutcome DeliveryReader::Refuse(const std::string& reason) {
    DeliveryExchange exchange;
    exchange.enginePostHeader = mEnginePostHeader;
    mSoap->user = &exchange;
    soap_begin(mSoap);
    soap_sender_fault(mSoap, reason.c_str(), nullptr);
    SendFault(mSoap, exchange);
    soap_destroy(mSoap);
    soap_end(mSoap);
    mSoap->user = nullptr;
    return std::move(exchange.outcome);
}

} // namespace kavelin::cli
