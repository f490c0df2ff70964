// The wire format of the device's two services: the namespace table's rows, the SOAP header
// and the 26 client operations. Every namespace directive of the binding is here, so the
// namespace names are in one place; the message types live in bsi.h, ixa.h and dd.h.

//gsoap wsdl    schema namespace: http://tempuri.org/wsdl.xsd
//gsoap pwg     schema namespace: http://schemas.orvanta.example/schemas/imaging/con/pwg/sm/1.0/
//gsoap dd      schema namespace: http://schemas.orvanta.example/schemas/imaging/con/dictionaries/1.0/
//gsoap ixa     schema namespace: http://tempuri.org/ixa.xsd
//gsoap ixaget  schema namespace: http://tempuri.org/ixaget.xsd
//gsoap bsiwsdl schema namespace: http://schemas.orvanta.example/schemas/imaging/con/bsi/wsdl/2003/08/21
//gsoap bsi     schema namespace: http://schemas.orvanta.example/schemas/imaging/con/bsi/2003/08/21
//gsoap ixagd   schema namespace: http://schemas.orvanta.example/schemas/imaging/con/ixa/2004/07/20
//gsoap ixasd   schema namespace: http://schemas.orvanta.example/schemas/imaging/con/ixa/2005/05/05
//gsoap ixags   schema namespace: http://schemas.orvanta.example/schemas/imaging/con/ixa/2004/07/20
//gsoap ixaad   schema namespace: http://schemas.orvanta.example/schemas/imaging/con/ixa/2005/05/05
//gsoap ixawsdl schema namespace: http://schemas.orvanta.example/schemas/imaging/con/ixa/wsdl/2004/07/20
//gsoap ixard   schema namespace: http://schemas.orvanta.example/schemas/imaging/con/ixa/2005/05/05

//gsoap bsi     schema elementForm: qualified
//gsoap ixagd   schema elementForm: unqualified
//gsoap ixasd   schema elementForm: unqualified
//gsoap ixags   schema elementForm: unqualified
//gsoap ixaad   schema elementForm: unqualified
//gsoap ixard   schema elementForm: unqualified
//gsoap ixa     schema elementForm: unqualified

#include "binding/RuntimeCallbacks.h"

#import "bsi.h"
#import "dd.h"
#import "ixa.h"

/// The SOAP header: each member optional; written only when soap->header is set.
// Every operation's method-input-header-part directives put its session and time members into
// the WSDL's binding; they change nothing in the generated code.
struct SOAP_ENV__Header {
    xsd__anyType *headers;
    bsi__SessionID_USCOREt *bsi__SessionID;
    time_t *dd__TimeStamp;
};

/* Base service. The request element stands directly in the Body (no operation wrapper). */

/// A literal answer: the first element of the Body, whatever its name, as XML text (the
/// element's content). Its serializers are hand-written (LiteralTypes.cpp): the engine's own
/// literal forms either compare the element's name or take the whole Body.
extern typedef char *LiteralAnswer;

//gsoap bsiwsdl service name: BaseService
//gsoap bsiwsdl service type: BaseServicePortType
//gsoap bsiwsdl service port: http://localhost/BaseService
//gsoap bsiwsdl service namespace: http://schemas.orvanta.example/schemas/imaging/con/bsi/wsdl/2003/08/21
//gsoap bsiwsdl service style: document
//gsoap bsiwsdl service encoding: literal

//gsoap bsiwsdl service method-action: StartSession urn:#StartSession
//gsoap bsiwsdl service method-input-header-part: StartSession bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: StartSession dd__TimeStamp
int __bsiwsdl__StartSession(_bsi__StartSession *bsi__StartSession, _bsi__StartSessionResponse *bsi__StartSessionResponse);
//gsoap bsiwsdl service method-action: EndSession urn:#EndSession
//gsoap bsiwsdl service method-input-header-part: EndSession bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: EndSession dd__TimeStamp
int __bsiwsdl__EndSession(_XML bsi__EndSession, LiteralAnswer *__literalAnswer);
//gsoap bsiwsdl service method-action: GetSessionTicket urn:#GetSessionTicket
//gsoap bsiwsdl service method-input-header-part: GetSessionTicket bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetSessionTicket dd__TimeStamp
int __bsiwsdl__GetSessionTicket(_XML bsi__GetSessionTicket, _bsi__GetSessionTicketResponse *bsi__GetSessionTicketResponse);
//gsoap bsiwsdl service method-action: GetSessionList urn:#GetSessionList
//gsoap bsiwsdl service method-input-header-part: GetSessionList bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetSessionList dd__TimeStamp
int __bsiwsdl__GetSessionList(_XML bsi__GetSessionList, _bsi__GetSessionListResponse *bsi__GetSessionListResponse);
//gsoap bsiwsdl service method-action: GetEventSystemCapabilities urn:#GetEventSystemCapabilities
//gsoap bsiwsdl service method-input-header-part: GetEventSystemCapabilities bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetEventSystemCapabilities dd__TimeStamp
int __bsiwsdl__GetEventSystemCapabilities(_XML bsi__GetEventSystemCapabilities, _bsi__GetEventSystemCapabilitiesResponse *bsi__GetEventSystemCapabilitiesResponse);
//gsoap bsiwsdl service method-action: GetSubscriptionIDList urn:#GetSubscriptionIDList
//gsoap bsiwsdl service method-input-header-part: GetSubscriptionIDList bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetSubscriptionIDList dd__TimeStamp
int __bsiwsdl__GetSubscriptionIDList(_XML bsi__GetSubscriptionIDList, _bsi__GetSubscriptionIDListResponse *bsi__GetSubscriptionIDListResponse);
//gsoap bsiwsdl service method-action: GetSubscriptionDetails urn:#GetSubscriptionDetails
//gsoap bsiwsdl service method-input-header-part: GetSubscriptionDetails bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetSubscriptionDetails dd__TimeStamp
int __bsiwsdl__GetSubscriptionDetails(_bsi__GetSubscriptionDetails *bsi__GetSubscriptionDetails, _bsi__GetSubscriptionDetailsResponse *bsi__GetSubscriptionDetailsResponse);
//gsoap bsiwsdl service method-action: GetEventProperties urn:#GetEventProperties
//gsoap bsiwsdl service method-input-header-part: GetEventProperties bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetEventProperties dd__TimeStamp
int __bsiwsdl__GetEventProperties(_bsi__GetEventProperties *bsi__GetEventProperties, _bsi__GetEventPropertiesResponse *bsi__GetEventPropertiesResponse);
//gsoap bsiwsdl service method-action: GetSupportedEvents urn:#GetSupportedEvents
//gsoap bsiwsdl service method-input-header-part: GetSupportedEvents bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetSupportedEvents dd__TimeStamp
int __bsiwsdl__GetSupportedEvents(_XML bsi__GetSupportedEvents, _bsi__GetSupportedEventsResponse *bsi__GetSupportedEventsResponse);
//gsoap bsiwsdl service method-action: Unsubscribe urn:#Unsubscribe
//gsoap bsiwsdl service method-input-header-part: Unsubscribe bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: Unsubscribe dd__TimeStamp
int __bsiwsdl__Unsubscribe(_bsi__Unsubscribe *bsi__Unsubscribe, LiteralAnswer *__literalAnswer);
//gsoap bsiwsdl service method-action: EmailSubscribe urn:#EmailSubscribe
//gsoap bsiwsdl service method-input-header-part: EmailSubscribe bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: EmailSubscribe dd__TimeStamp
int __bsiwsdl__EmailSubscribe(_bsi__EmailSubscribe *bsi__EmailSubscribe, _bsi__EmailSubscribeResponse *bsi__EmailSubscribeResponse);
//gsoap bsiwsdl service method-action: StreamSubscribe urn:#StreamSubscribe
//gsoap bsiwsdl service method-input-header-part: StreamSubscribe bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: StreamSubscribe dd__TimeStamp
int __bsiwsdl__StreamSubscribe(_bsi__StreamSubscribe *bsi__StreamSubscribe, _bsi__StreamSubscribeResponse *bsi__StreamSubscribeResponse);
//gsoap bsiwsdl service method-action: Subscribe urn:#Subscribe
//gsoap bsiwsdl service method-input-header-part: Subscribe bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: Subscribe dd__TimeStamp
int __bsiwsdl__Subscribe(_bsi__Subscribe *bsi__Subscribe, _bsi__SubscribeResponse *bsi__SubscribeResponse);
//gsoap bsiwsdl service method-action: RunDiagnostic urn:#RunDiagnostic
//gsoap bsiwsdl service method-input-header-part: RunDiagnostic bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: RunDiagnostic dd__TimeStamp
int __bsiwsdl__RunDiagnostic(_bsi__RunDiagnostic *bsi__RunDiagnostic, _bsi__RunDiagnosticResponse *bsi__RunDiagnosticResponse);
//gsoap bsiwsdl service method-action: GetSupportedDiagnostics urn:#GetSupportedDiagnostics
//gsoap bsiwsdl service method-input-header-part: GetSupportedDiagnostics bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetSupportedDiagnostics dd__TimeStamp
int __bsiwsdl__GetSupportedDiagnostics(_bsi__GetSupportedDiagnostics *bsi__GetSupportedDiagnostics, _bsi__GetSupportedDiagnosticsResponse *bsi__GetSupportedDiagnosticsResponse);
//gsoap bsiwsdl service method-action: GetSupportedLanguages urn:#GetSupportedLanguages
//gsoap bsiwsdl service method-input-header-part: GetSupportedLanguages bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetSupportedLanguages dd__TimeStamp
int __bsiwsdl__GetSupportedLanguages(_bsi__GetSupportedLanguages *bsi__GetSupportedLanguages, _bsi__GetSupportedLanguagesResponse *bsi__GetSupportedLanguagesResponse);
//gsoap bsiwsdl service method-action: GetSupportedSecurityTypes urn:#GetSupportedSecurityTypes
//gsoap bsiwsdl service method-input-header-part: GetSupportedSecurityTypes bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetSupportedSecurityTypes dd__TimeStamp
int __bsiwsdl__GetSupportedSecurityTypes(_bsi__GetSupportedSecurityTypes *bsi__GetSupportedSecurityTypes, _bsi__GetSupportedSecurityTypesResponse *bsi__GetSupportedSecurityTypesResponse);
//gsoap bsiwsdl service method-action: GetDependentServices urn:#GetDependentServices
//gsoap bsiwsdl service method-input-header-part: GetDependentServices bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetDependentServices dd__TimeStamp
int __bsiwsdl__GetDependentServices(_XML bsi__GetDependentServices, _bsi__GetDependentServicesResponse *bsi__GetDependentServicesResponse);
//gsoap bsiwsdl service method-action: GetDetailedState urn:#GetDetailedState
//gsoap bsiwsdl service method-input-header-part: GetDetailedState bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetDetailedState dd__TimeStamp
int __bsiwsdl__GetDetailedState(_XML bsi__GetDetailedState, _bsi__GetDetailedStateResponse *bsi__GetDetailedStateResponse);
//gsoap bsiwsdl service method-action: GetState urn:#GetState
//gsoap bsiwsdl service method-input-header-part: GetState bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: GetState dd__TimeStamp
int __bsiwsdl__GetState(_XML bsi__GetState, _bsi__GetStateResponse *bsi__GetStateResponse);
//gsoap bsiwsdl service method-action: Deliver urn:#Deliver
//gsoap bsiwsdl service method-input-header-part: Deliver bsi__SessionID
//gsoap bsiwsdl service method-input-header-part: Deliver dd__TimeStamp
int __bsiwsdl__Deliver(_bsi__Deliver *bsi__Deliver, LiteralAnswer *__literalAnswer);

/* XDM access service. Answers come in a wrapper that skips elements beside the response. */

//gsoap ixawsdl service name: XDMAccessService
//gsoap ixawsdl service type: XDMAccessPortType
//gsoap ixawsdl service port: http://localhost/xdm/ixa/IXDMAccessSet.asmx
//gsoap ixawsdl service namespace: http://schemas.orvanta.example/schemas/imaging/con/ixa/wsdl/2004/07/20
//gsoap ixawsdl service style: document
//gsoap ixawsdl service encoding: literal

struct __ixawsdl__GetDataResponse {
    _ixagd__GetDataResponse *ixagd__GetDataResponse;
};
//gsoap ixawsdl service method-action: GetData #urn:GetData
//gsoap ixawsdl service method-input-header-part: GetData bsi__SessionID
//gsoap ixawsdl service method-input-header-part: GetData dd__TimeStamp
int __ixawsdl__GetData(_ixagd__GetData *ixagd__GetData, struct __ixawsdl__GetDataResponse &response);
struct __ixawsdl__SetDataResponse {
    _ixasd__SetDataResponse *ixasd__SetDataResponse;
};
//gsoap ixawsdl service method-action: SetData #urn:SetData
//gsoap ixawsdl service method-input-header-part: SetData bsi__SessionID
//gsoap ixawsdl service method-input-header-part: SetData dd__TimeStamp
int __ixawsdl__SetData(_ixasd__SetData *ixasd__SetData, struct __ixawsdl__SetDataResponse &response);
struct __ixawsdl__GetSettableResponse {
    // Matched under ixagd: the first row with this namespace name names the input.
    _ixags__GetSettableResponse *ixagd__GetSettableResponse;
};
//gsoap ixawsdl service method-action: GetSettable #urn:GetData
//gsoap ixawsdl service method-input-header-part: GetSettable bsi__SessionID
//gsoap ixawsdl service method-input-header-part: GetSettable dd__TimeStamp
int __ixawsdl__GetSettable(_XML ixags__GetSettable, struct __ixawsdl__GetSettableResponse &response);
struct __ixawsdl__AddDataResponse {
    // Matched under ixasd: the first row with this namespace name names the input.
    _ixaad__AddDataResponse *ixasd__AddDataResponse;
};
//gsoap ixawsdl service method-action: AddData #urn:AddData
//gsoap ixawsdl service method-input-header-part: AddData bsi__SessionID
//gsoap ixawsdl service method-input-header-part: AddData dd__TimeStamp
int __ixawsdl__AddData(_ixaad__AddData *ixaad__AddData, struct __ixawsdl__AddDataResponse &response);
struct __ixawsdl__RemoveDataResponse {
    // Matched under ixasd: the first row with this namespace name names the input.
    _ixard__RemoveDataResponse *ixasd__RemoveDataResponse;
};
//gsoap ixawsdl service method-action: RemoveData #urn:RemoveData
//gsoap ixawsdl service method-input-header-part: RemoveData bsi__SessionID
//gsoap ixawsdl service method-input-header-part: RemoveData dd__TimeStamp
int __ixawsdl__RemoveData(_ixard__RemoveData *ixard__RemoveData, struct __ixawsdl__RemoveDataResponse &response);
