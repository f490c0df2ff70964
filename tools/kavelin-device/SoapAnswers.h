#pragma once

#include <cstdint>
#include <string>

// Builds the device's answers: envelopes, faults and HTTP responses.
namespace kavelin::device {

// A SOAP 1.1 envelope around `bodyContent`, declaring the device's namespaces (the
// dictionary namespace as "dd").
std::string SoapEnvelope(const std::string& bodyContent, const std::string& dictionaryNamespace);

// The Body content of a SOAP Fault. `clientFault` picks SOAP-ENV:Client over Server. The
// detail is a bsi fault element (such as SessionException) with `reason`, one of the names
// of the fault reason enumeration.
std::string SoapFaultBody(bool clientFault, const std::string& faultString,
                          const std::string& detailElement, const std::string& reason,
                          std::uint64_t sequence);

// A complete HTTP/1.1 response carrying an XML body.
std::string HttpResponse(int status, const std::string& body, bool keepAlive);

// A complete HTTP/1.1 error response without a SOAP body (framing errors).
std::string HttpErrorResponse(int status, const std::string& reason);

} // namespace kavelin::device
