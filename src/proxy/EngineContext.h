#pragma once

#include <string>

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

    // Before an exchange: bytes the device sent that were never read would be taken for the
    // next answer. Those left in the engine's buffer close the connection or stream here; those
    // waiting on the socket keep the engine from reusing the connection. Either way the
    // exchange opens a new one.
    void DropUnreadAnswer();

    // Before an exchange: the request is stored whole, then sent with its length known. The
    // engine goes back to its own mode after every stored send.
    void StoreNextRequest();

    // Closes the connection or data stream, so the next exchange opens a new one.
    void CloseConnection();

    // Frees everything the engine decoded or allocated for earlier exchanges. What the proxy
    // handed out are copies, so this is safe before every new exchange.
    void ReleaseDecodedData();

private:
    void InstallHooks();
    void Configure();

    // The engine's transport hooks on a connection of its own: each send and receive is one
    // system call bounded by the system, and a kept connection is reused only when quiet.
    static SOAP_SOCKET Open(struct soap* soap, const char* endpoint, const char* host, int port);
    static int Poll(struct soap* soap);
    static int Send(struct soap* soap, const char* data, size_t size);
    static size_t Receive(struct soap* soap, char* buffer, size_t size);
    // Sends all of `data` on the context's own connection, each send bounded by its socket.
    int SendAll(SOAP_SOCKET socket, const char* data, size_t size);

    struct soap mSoap;
    ExchangeTimeouts mTimeouts;
    // The connection the engine opened, and the waits its socket carries now.
    SOAP_SOCKET mWaitSocket = SOAP_INVALID_SOCKET;
    int mReceiveWait = 0;
    int mSendWait = 0;
    // A request's header, until the first piece of its body goes with it.
    std::string mHeldHeader;
};

} // namespace kavelin::proxy
