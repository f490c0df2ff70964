#include "binding/FaultDetailText.h"

#include "binding/Binding.h"

namespace kavelin::binding {

namespace {

std::string NamedReason(struct soap* soap, const char* element,
                        bsi__FaultReasonDescriptor_USCOREt reason) {
    const char* text = soap_bsi__FaultReasonDescriptor_USCOREt2s(soap, reason);
    return std::string(element) + ": " + (text != nullptr ? text : "");
}

} // namespace

std::string FaultDetailText(struct soap* soap) {
    if (soap->fault == nullptr || soap->fault->detail == nullptr)
        return {};
    const SOAP_ENV__Detail& detail = *soap->fault->detail;
    if (detail.fault != nullptr) {
        const auto* bsiDetail = static_cast<const bsi__FaultDetails_USCOREt*>(detail.fault);
        const auto* xpathException = static_cast<const ixa__XPathException_USCOREt*>(detail.fault);
        const auto* xpathError = static_cast<const ixa__XPathError_USCOREt*>(detail.fault);
        switch (detail.__type) {
        case SOAP_TYPE__bsi__SessionException:
            return NamedReason(soap, "SessionException", bsiDetail->bsi__Reason);
        case SOAP_TYPE__bsi__ServiceException:
            return NamedReason(soap, "ServiceException", bsiDetail->bsi__Reason);
        case SOAP_TYPE__bsi__ServiceBusy:
            return NamedReason(soap, "ServiceBusy", bsiDetail->bsi__Reason);
        case SOAP_TYPE__bsi__SecurityException:
            return NamedReason(soap, "SecurityException", bsiDetail->bsi__Reason);
        case SOAP_TYPE__ixaget__XPathException:
            return NamedReason(soap, "XPathException", xpathException->Reason);
        case SOAP_TYPE__ixaget__XPathError:
            return NamedReason(soap, "XPathError", xpathError->Reason);
        default:
            break;
        }
    }
    return detail.__any != nullptr ? detail.__any : "";
}

} // namespace kavelin::binding
