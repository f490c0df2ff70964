#pragma once

#include <cstdint>

namespace kavelin::proxy {

// How long one exchange may wait, in seconds: for the connection, for each send or receive,
// and for the whole transfer; and how large an answer may be. A device that went away, drips
// its answer or sends without end makes the exchange fail within these bounds instead of
// freezing the host or exhausting its memory.
struct ExchangeTimeouts {
    static constexpr int kDefaultConnectSeconds = 10;
    static constexpr int kDefaultIoSeconds = 60;
    static constexpr int kDefaultTransferSeconds = 120;
    static constexpr uint64_t kDefaultMaxAnswerBytes = 64ull * 1024 * 1024;

    int connectSeconds = kDefaultConnectSeconds;
    int ioSeconds = kDefaultIoSeconds;
    int transferSeconds = kDefaultTransferSeconds;
    uint64_t maxAnswerBytes = kDefaultMaxAnswerBytes;
};

// The bounds configured by the string values "ConnectTimeout", "IOTimeout", "TransferTimeout"
// (whole seconds) and "MaxAnswerSize" (bytes) under "SOFTWARE\Orvanta\Plotara"; a missing,
// non-numeric, non-positive or absurdly large value keeps its default.
ExchangeTimeouts ReadExchangeTimeouts();

} // namespace kavelin::proxy
