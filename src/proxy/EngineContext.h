#pragma once

#include "binding/Binding.h"
#include "proxy/ExchangeTimeouts.h"

namespace kavelin::proxy {

// The SOAP engine context of one proxy, always ready for an exchange: keep-alive connections,
// UTF-8 strings both ways, the binding's namespace table, bounded connect, send and receive
// waits, and sends that never raise SIGPIPE when the device has closed the connection.
class EngineContext {
public:
    EngineContext();
    ~EngineContext();
    EngineContext(const EngineContext&) = delete;
    EngineContext& operator=(const EngineContext&) = delete;

    struct soap* Soap() {
        return &mSoap;
    }

    // Ends the context (closing its connection and removing every plug-in) and sets it up again
    // with the same modes, namespace table and socket flags, so later exchanges still work.
    void Restart();

    // Applies the waits to this and every later exchange.
    void SetTimeouts(const ExchangeTimeouts& timeouts);

    // Before an exchange: bytes the device sent that were never read (left in the engine's
    // buffer, or waiting on the socket) would be taken for the next answer, so the connection
    // or stream that holds them is closed and the exchange opens a new one.
    void DropUnreadAnswer();

    // Closes the connection or data stream, so the next exchange opens a new one.
    void CloseConnection();

    // Frees everything the engine decoded or allocated for earlier exchanges. What the proxy
    // handed out are copies, so this is safe before every new exchange.
    void ReleaseDecodedData();

private:
    void InstallHooks();
    void Configure();

    struct soap mSoap;
    ExchangeTimeouts mTimeouts;
};

} // namespace kavelin::proxy
