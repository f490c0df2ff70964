#include "SoapRequest.h"

#include "DeviceNamespaces.h"

namespace kavelin::device {

namespace {

bool IsEnvelopeElement(const xmlNode* node, const char* localName) {
    return IsElement(node, ns::kSoapEnvelope, localName) ||
           IsElement(node, ns::kSoap12Envelope, localName);
}

} // namespace

bool ParseSoapRequest(const std::string& body, SoapRequest* request, std::string* error) {
    request->doc = ParseXml(body, error);
    if (!request->doc) {
        return false;
    }
    const xmlNode* envelope = xmlDocGetRootElement(request->doc.get());
    if (!IsEnvelopeElement(envelope, "Envelope")) {
        *error = "the document is not a SOAP envelope";
        return false;
    }
    const xmlNode* soapBody = nullptr;
    for (const xmlNode* child = envelope->children; child; child = child->next) {
        if (IsEnvelopeElement(child, "Header")) {
            const xmlNode* id = ChildByLocalName(child, "SessionID");
            if (id && IsElement(id, ns::kBsi, "SessionID")) {
                request->sessionId = NodeText(id);
            }
        } else if (IsEnvelopeElement(child, "Body")) {
            soapBody = child;
            break;
        }
    }
    if (!soapBody) {
        *error = "the envelope has no Body";
        return false;
    }
    request->operationElement = FirstElementChild(soapBody);
    if (request->operationElement) {
        request->operation = reinterpret_cast<const char*>(request->operationElement->name);
        const xmlNs* space = request->operationElement->ns;
        request->operationNamespace =
            space && space->href ? reinterpret_cast<const char*>(space->href) : "";
    }
    return true;
}

} // namespace kavelin::device
