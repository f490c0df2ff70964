#pragma once

#include <string>

#include <gtest/gtest.h>

#include "RecordingDataStream.h"
#include "binding/Binding.h"
#include "support/CannedServer.h"

// One GetData exchange of the binding, a device's HTTP answer to it, and an engine context
// whose data stream is the recording one.
namespace kavelin_test {

inline std::string GetDataAnswer(const std::string& result) {
    return HttpSoapAnswer(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
        "xmlns:ixagd=\"http://schemas.orvanta.example/schemas/imaging/con/ixa/2004/07/20\">"
        "<SOAP-ENV:Body><ixagd:GetDataResponse><GetDataResult>" +
        result + "</GetDataResult></ixagd:GetDataResponse></SOAP-ENV:Body></SOAP-ENV:Envelope>");
}

// The engine's status; `result` gets the answer's result on success.
inline int GetData(struct soap* soap, const char* url, const char* action, std::string* result) {
    _ixagd__GetData request;
    request.soap_default(soap);
    request.Path = "/dd:Device";
    __ixawsdl__GetDataResponse response;
    const int status = kavelin::binding::GetData(soap, url, action, &request, response);
    if (status == SOAP_OK && response.ixagd__GetDataResponse != nullptr)
        *result = kavelin::binding::ResultOf(*response.ixagd__GetDataResponse);
    return status;
}

class RecordingStreamEngine : public ::testing::Test {
protected:
    RecordingStreamEngine() { Init(); }
    ~RecordingStreamEngine() override { Done(); }

    void Init() {
        soap_init2(&mSoap, SOAP_IO_KEEPALIVE | SOAP_C_UTFSTRING,
                   SOAP_IO_KEEPALIVE | SOAP_C_UTFSTRING);
        soap_set_namespaces(&mSoap, namespaces);
    }
    // Decoded answers live in the engine until released; soap_done alone keeps them.
    void Done() {
        soap_destroy(&mSoap);
        soap_end(&mSoap);
        soap_done(&mSoap);
    }
    void Reset() {
        Done();
        Init();
    }

    StreamJournal mJournal;
    RecordingStreamRegistration mRegistration{mJournal};
    struct soap mSoap;
};

} // namespace kavelin_test
