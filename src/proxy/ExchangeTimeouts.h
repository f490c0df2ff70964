#pragma once

namespace kavelin::proxy {

// How long one exchange may wait, in seconds: for the connection, and for each send or
// receive. A device that went away makes the exchange fail after these waits instead of
// freezing the host.
struct ExchangeTimeouts {
    static constexpr int kDefaultConnectSeconds = 10;
    static constexpr int kDefaultIoSeconds = 60;

    int connectSeconds = kDefaultConnectSeconds;
    int ioSeconds = kDefaultIoSeconds;
};

// The waits configured by the string values "ConnectTimeout" and "IOTimeout" (whole seconds)
// under "SOFTWARE\Orvanta\Plotara"; a missing, non-numeric or non-positive value keeps its
// default.
ExchangeTimeouts ReadExchangeTimeouts();

} // namespace kavelin::proxy
