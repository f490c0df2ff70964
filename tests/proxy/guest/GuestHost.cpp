#include "guest/GuestHost.h"

#include <sys/socket.h>

#include <netinet/in.h>

#include "Guest.nsmap"
#include "soapH.h"

// The host's side of its own service: the echo it serves.
int gst__Echo(struct soap*, std::string text, std::string& echo) {
    echo = "echo: " + text;
    return SOAP_OK;
}

namespace kavelin_test {

GuestServer::GuestServer(int exchanges) : mSoap(soap_new()) {
    mSoap->accept_timeout = 10;
    mSoap->recv_timeout = mSoap->send_timeout = 10;
    if (!soap_valid_socket(soap_bind(mSoap, "127.0.0.1", 0, 4)))
        return;
    sockaddr_in address{};
    socklen_t length = sizeof address;
    getsockname(mSoap->master, reinterpret_cast<sockaddr*>(&address), &length);
    mUrl = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/guest";
    // A bounded loop: the exchanges asked for, or the accept timeout.
    mThread = std::thread([this, exchanges] {
        for (int i = 0; i < exchanges && soap_valid_socket(soap_accept(mSoap)); ++i) {
            soap_serve(mSoap);
            soap_destroy(mSoap);
            soap_end(mSoap);
        }
    });
}

GuestServer::~GuestServer() {
    if (mThread.joinable())
        mThread.join();
    soap_free(mSoap);
}

std::string GuestEcho(const std::string& url, const std::string& text) {
    struct soap* soap = soap_new();
    soap->connect_timeout = soap->recv_timeout = soap->send_timeout = 10;
    std::string echo;
    const int status = soap_call_gst__Echo(soap, url.c_str(), nullptr, text, echo);
    if (status != SOAP_OK)
        echo = "failed with status " + std::to_string(status);
    soap_destroy(soap);
    soap_end(soap);
    soap_free(soap);
    return echo;
}

} // namespace kavelin_test
