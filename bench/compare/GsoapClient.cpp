// What a user writes without the library: the client calls soapcpp2 generates from the same
// interface headers, on one engine context with keep-alive, sending GetData with the same
// one-entry prefix list, the same SOAP header and the same namespace table, so the bytes on
// the wire are the proxy's. Each call's decoded answer is freed before the next, as the proxy
// does. With COMPARE_BOUNDED_WAITS=1 in the environment it bounds its waits as the proxy does
// by default (10 s to connect, 60 s for each send and receive, no SIGPIPE), which costs the
// engine a select before each send and receive. This program never loads the library: its
// generated callbacks would take the place of the library's.
#include <sys/socket.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "ClientMeasure.h"
#include "PrefixQuery.h"
#include "soapH.h"

namespace {

// Starts a session as the proxy does before its first data request; the session ID goes into
// every header after it.
bool StartSession(soap* engine, const char* url, std::string& sessionId) {
    _bsi__StartSession request{};
    _bsi__StartSessionResponse response{};
    if (soap_call___bsiwsdl__StartSession(engine, url, "StartSession", &request, &response) !=
        SOAP_OK)
        return false;
    const bsi__SessionTicket_USCOREt* ticket =
        response.bsi__StartSessionResult ? response.bsi__StartSessionResult : response.bsi__return;
    if (ticket == nullptr || ticket->bsi__SessionID == nullptr)
        return false;
    sessionId = ticket->bsi__SessionID->__item;
    soap_destroy(engine);
    soap_end(engine);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    ClientArguments arguments;
    if (!ReadClientArguments(argc, argv, arguments))
        return 2;
    soap* engine =
        soap_new2(SOAP_IO_KEEPALIVE | SOAP_C_UTFSTRING, SOAP_IO_KEEPALIVE | SOAP_C_UTFSTRING);
    const char* bounded = std::getenv("COMPARE_BOUNDED_WAITS");
    if (bounded != nullptr && std::strcmp(bounded, "1") == 0) {
        engine->connect_timeout = 10;
        engine->send_timeout = 60;
        engine->recv_timeout = 60;
        engine->socket_flags = MSG_NOSIGNAL;
    }
    std::string sessionText;
    if (!StartSession(engine, arguments.url, sessionText)) {
        soap_print_fault(engine, stderr);
        soap_free(engine);
        return 1;
    }
    bsi__SessionID_USCOREt sessionId;
    sessionId.__item = sessionText;
    time_t timeStamp = 0;
    SOAP_ENV__Header header{};
    header.bsi__SessionID = &sessionId;
    header.dd__TimeStamp = &timeStamp;

    ixagd__PrefixMap_USCOREt entry;
    entry.Prefix = kQueryPrefix;
    entry.URL = kQueryNamespace;
    ixagd__PrefixMapList prefixes;
    prefixes.PrefixMap.push_back(&entry);
    _ixagd__GetData request;
    request.Path = kQueryPath;
    request.Prefixes = &prefixes;

    std::string answer;
    const int status = MeasureCalls(arguments, [&] {
        timeStamp = std::time(nullptr);
        engine->header = &header;
        __ixawsdl__GetDataResponse response{};
        const bool answered = soap_call___ixawsdl__GetData(engine, arguments.url, "GetData",
                                                           &request, response) == SOAP_OK &&
                              response.ixagd__GetDataResponse != nullptr;
        if (answered)
            answer = response.ixagd__GetDataResponse->GetDataResult;
        else
            soap_print_fault(engine, stderr);
        soap_destroy(engine);
        soap_end(engine);
        return answered && !answer.empty();
    });
    soap_free(engine);
    return status;
}
