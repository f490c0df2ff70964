#pragma once

#include <string>

#include "binding/Binding.h"
#include "support/CannedServer.h"

// One GetData exchange of the binding, and a device's HTTP answer to it.
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

} // namespace kavelin_test
