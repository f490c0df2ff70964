#include "SoapAnswers.h"

#include "DeviceNamespaces.h"
#include "XmlSupport.h"

namespace kavelin::device {

namespace {

const char* StatusText(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 405:
        return "Method Not Allowed";
    case 411:
        return "Length Required";
    case 413:
        return "Payload Too Large";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 501:
        return "Not Implemented";
    case 503:
        return "Service Unavailable";
    default:
        return "Unknown";
    }
}

} // namespace

std::string SoapEnvelope(const std::string& bodyContent, const std::string& dictionaryNamespace) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"";
    out += ns::kSoapEnvelope;
    out += "\" xmlns:xsi=\"";
    out += ns::kXsi;
    out += "\" xmlns:xsd=\"";
    out += ns::kXsd;
    out += "\" xmlns:dd=\"" + EscapeXml(dictionaryNamespace);
    out += "\" xmlns:bsi=\"";
    out += ns::kBsi;
    out += "\" xmlns:ixagd=\"";
    out += ns::kIxaGetData;
    out += "\" xmlns:ixags=\"";
    out += ns::kIxaGetData;
    out += "\" xmlns:ixasd=\"";
    out += ns::kIxaSetData;
    out += "\"><SOAP-ENV:Body>";
    out += bodyContent;
    out += "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
    return out;
}

std::string SoapFaultBody(bool clientFault, const std::string& faultString,
                          const std::string& detailElement, const std::string& reason,
                          std::uint64_t sequence) {
    std::string out = "<SOAP-ENV:Fault><faultcode>";
    out += clientFault ? "SOAP-ENV:Client" : "SOAP-ENV:Server";
    out += "</faultcode><faultstring>" + EscapeXml(faultString) + "</faultstring>";
    out += "<detail><bsi:" + detailElement + "><bsi:Reason>" + reason + "</bsi:Reason>";
    out += "<bsi:Severity>Error</bsi:Severity><bsi:Sequence>" + std::to_string(sequence);
    out += "</bsi:Sequence><bsi:Cleared>false</bsi:Cleared></bsi:" + detailElement + ">";
    out += "</detail></SOAP-ENV:Fault>";
    return out;
}

std::string HttpResponse(int status, const std::string& body, bool keepAlive) {
    std::string out = "HTTP/1.1 " + std::to_string(status) + " " + StatusText(status) + "\r\n";
    out += "Server: kavelin-device\r\n";
    out += "Content-Type: text/xml; charset=utf-8\r\n";
    out += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    out += keepAlive ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
    out += "\r\n";
    out += body;
    return out;
}

std::string HttpErrorResponse(int status, const std::string& reason) {
    const std::string body = reason + "\n";
    std::string out = "HTTP/1.1 " + std::to_string(status) + " " + StatusText(status) + "\r\n";
    out += "Server: kavelin-device\r\n";
    out += "Content-Type: text/plain; charset=utf-8\r\n";
    out += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += body;
    return out;
}

} // namespace kavelin::device
