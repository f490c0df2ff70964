#pragma once

#include "XmlSupport.h"

#include <string>

// A received SOAP 1.1 (or 1.2) envelope, parsed safely, with what dispatch needs.
namespace kavelin::device {

struct SoapRequest {
    XmlDocPtr doc;
    const xmlNode* operationElement = nullptr; // first element of the Body; null when empty
    std::string operation;                     // its local name
    std::string operationNamespace;            // its namespace name
    std::string sessionId;                     // header bsi:SessionID; empty when absent
};

// False with a reason when the text is no envelope with a Body.
bool ParseSoapRequest(const std::string& body, SoapRequest* request, std::string* error);

} // namespace kavelin::device
