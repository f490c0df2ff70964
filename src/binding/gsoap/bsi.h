// Base service message types (prefix bsi). The namespace directives live in binding.h.

#import "stlvector.h"

typedef std::string xsd__string;
typedef std::string xsd__language;
// Typed text (serializers in BaseServiceText.cpp): its reader fails with SOAP_TYPE when an
// xsi:type attribute names another type. IdentifierText is an identifier's content, checked
// against the identifier's own type.
extern typedef std::string xsd__anyURI;
extern typedef std::string IdentifierText;
typedef std::string bsi__UUIDString_USCOREt;

/* Enumerations: values run from 0 in table order. Their code tables and text conversions are
   generated from these declarations at build time (EnumerationCodes.cmake), so that a number
   outside a table reads unchanged and is written as that number. */

extern enum bsi__FaultReasonDescriptor_ : LONG64 {
    bsi__FaultReasonDescriptor_USCOREt__InternalError,
    bsi__FaultReasonDescriptor_USCOREt__ServiceStarting,
    bsi__FaultReasonDescriptor_USCOREt__ServiceStopping,
    bsi__FaultReasonDescriptor_USCOREt__SOEError,
    bsi__FaultReasonDescriptor_USCOREt__InvalidParameter,
    bsi__FaultReasonDescriptor_USCOREt__InvalidSessionID,
    bsi__FaultReasonDescriptor_USCOREt__AuthorizationFailed,
    bsi__FaultReasonDescriptor_USCOREt__AuthenticationFailed,
    bsi__FaultReasonDescriptor_USCOREt__InvalidRole,
    bsi__FaultReasonDescriptor_USCOREt__LanguageNotSupported,
    bsi__FaultReasonDescriptor_USCOREt__InvalidState,
    bsi__FaultReasonDescriptor_USCOREt__NotImplemented,
    bsi__FaultReasonDescriptor_USCOREt__Unknown
};
extern typedef enum bsi__FaultReasonDescriptor_ bsi__FaultReasonDescriptor_USCOREt;

extern enum bsi__StateDescriptor_ : LONG64 {
    bsi__StateDescriptor_USCOREt__Stopped,
    bsi__StateDescriptor_USCOREt__Running,
    bsi__StateDescriptor_USCOREt__Unknown
};
extern typedef enum bsi__StateDescriptor_ bsi__StateDescriptor_USCOREt;

extern enum bsi__SecurityDescriptor_ : LONG64 {
    bsi__SecurityDescriptor_USCOREt__None,
    bsi__SecurityDescriptor_USCOREt__UsernamePassword,
    bsi__SecurityDescriptor_USCOREt__SAML,
    bsi__SecurityDescriptor_USCOREt__WSSecurity
};
extern typedef enum bsi__SecurityDescriptor_ bsi__SecurityDescriptor_USCOREt;

extern enum bsi__DiagResultDescriptor_ : LONG64 {
    bsi__DiagResultDescriptor_USCOREt__Pass,
    bsi__DiagResultDescriptor_USCOREt__Marginal,
    bsi__DiagResultDescriptor_USCOREt__Fail,
    bsi__DiagResultDescriptor_USCOREt__Unsupported
};
extern typedef enum bsi__DiagResultDescriptor_ bsi__DiagResultDescriptor_USCOREt;

extern enum bsi__AvailabilityDescriptor_ : LONG64 {
    bsi__AvailabilityDescriptor_USCOREt__Normal,
    bsi__AvailabilityDescriptor_USCOREt__Warning,
    bsi__AvailabilityDescriptor_USCOREt__AttentionRequired,
    bsi__AvailabilityDescriptor_USCOREt__Critical,
    bsi__AvailabilityDescriptor_USCOREt__Unknown
};
extern typedef enum bsi__AvailabilityDescriptor_ bsi__AvailabilityDescriptor_USCOREt;

extern enum bsi__LoadDescriptor_ : LONG64 {
    bsi__LoadDescriptor_USCOREt__Idle,
    bsi__LoadDescriptor_USCOREt__Low,
    bsi__LoadDescriptor_USCOREt__Normal,
    bsi__LoadDescriptor_USCOREt__Extreme,
    bsi__LoadDescriptor_USCOREt__Unknown
};
extern typedef enum bsi__LoadDescriptor_ bsi__LoadDescriptor_USCOREt;

extern enum bsi__SeverityDescriptor_ : LONG64 {
    bsi__SeverityDescriptor_USCOREt__Debug,
    bsi__SeverityDescriptor_USCOREt__Info,
    bsi__SeverityDescriptor_USCOREt__Warn,
    bsi__SeverityDescriptor_USCOREt__Error,
    bsi__SeverityDescriptor_USCOREt__Fatal
};
extern typedef enum bsi__SeverityDescriptor_ bsi__SeverityDescriptor_USCOREt;

extern enum bsi__EventReliabilityDescriptor_ : LONG64 {
    bsi__EventReliabilityDescriptor_USCOREt__NoRetry,
    bsi__EventReliabilityDescriptor_USCOREt__Retry,
    bsi__EventReliabilityDescriptor_USCOREt__PersistentRetry
};
extern typedef enum bsi__EventReliabilityDescriptor_ bsi__EventReliabilityDescriptor_USCOREt;

extern enum bsi__EventDeliveryDescriptor_ : LONG64 {
    bsi__EventDeliveryDescriptor_USCOREt__ClientPull,
    bsi__EventDeliveryDescriptor_USCOREt__ServicePush,
    bsi__EventDeliveryDescriptor_USCOREt__Email
};
extern typedef enum bsi__EventDeliveryDescriptor_ bsi__EventDeliveryDescriptor_USCOREt;

/* Identifiers: text content only, read as typed text under the identifier's own type. */

class bsi__SessionID_USCOREt {
  public:
    IdentifierText __item;
    struct soap *soap;
};

class bsi__SubscriptionID_USCOREt {
  public:
    IdentifierText __item;
    struct soap *soap;
};

class bsi__ServiceID_USCOREt {
  public:
    IdentifierText __item;
    struct soap *soap;
};

/* Credentials: the base is empty; the proxy sends the user name form. */

class bsi__Credentials_USCOREt {
  public:
    struct soap *soap;
};

class bsi__UserNamePassword_USCOREt : public bsi__Credentials_USCOREt {
  public:
    std::string bsi__UserNameToken;
    std::string *bsi__Password;
};

class bsi__FaultPlatform_USCOREt {
  public:
    struct soap *soap;
};

/* Sessions. */

class bsi__RequestTicket_USCOREt {
  public:
    // Declared with the form the proxy sends, so the credential is written without xsi:type.
    bsi__UserNamePassword_USCOREt *bsi__Credentials;
    std::vector<xsd__language> bsi__RequestedLanguage;
    std::vector<std::string> bsi__RequestedRole;
    struct soap *soap;
};

class bsi__SessionTicket_USCOREt {
  public:
    bsi__SessionID_USCOREt *bsi__SessionID;
    xsd__language bsi__SessionLanguage;
    std::vector<std::string> bsi__GrantedRole;
    std::string *bsi__Name;
    bsi__Credentials_USCOREt *bsi__ServiceCredentials;
    struct soap *soap;
};

class bsi__SessionTicketList {
  public:
    std::vector<bsi__SessionTicket_USCOREt *> bsi__SessionTicket;
    struct soap *soap;
};

class bsi__ClientInfo_USCOREt {
  public:
    std::string bsi__UserID;
    bsi__SessionID_USCOREt *bsi__SessionID;
    struct soap *soap;
};

/* Subscriptions and events. */

class bsi__Pair_USCOREt {
  public:
    std::string bsi__Name;
    std::string bsi__Value;
    struct soap *soap;
};

class bsi__FilterProperties_USCOREt {
  public:
    std::vector<bsi__Pair_USCOREt *> bsi__FilterOn;
    struct soap *soap;
};

class bsi__SubscriptionInfo_USCOREt {
  public:
    std::string bsi__EventName;
    bsi__EventReliabilityDescriptor_USCOREt bsi__ReliabilityOption;
    std::string *bsi__ClientCookie;
    struct soap *soap;
};

class bsi__SubscriptionDetails_USCOREt {
  public:
    bsi__SubscriptionInfo_USCOREt *bsi__SubscriptionInfo;
    std::string bsi__DeliveryAddress;
    bsi__EventDeliveryDescriptor_USCOREt bsi__DeliveryType;
    bsi__FilterProperties_USCOREt *bsi__FilterProperties;
    struct soap *soap;
};

class bsi__SubscriptionIDList {
  public:
    std::vector<bsi__SubscriptionID_USCOREt *> bsi__SubscriptionID;
    struct soap *soap;
};

class bsi__StreamSubscriptionResult_USCOREt {
  public:
    bsi__SubscriptionID_USCOREt *bsi__SubscriptionID;
    xsd__anyURI bsi__ServiceURL;
    struct soap *soap;
};

class bsi__EventCapabilities_USCOREt {
  public:
    bool bsi__PersistentSubscriptions;
    bool bsi__ReliableDelivery;
    bool bsi__EventCaching;
    std::vector<bsi__EventDeliveryDescriptor_USCOREt> bsi__DeliveryType;
    ULONG64 bsi__MaxSubscriptions;
    struct soap *soap;
};

class bsi__EventList {
  public:
    std::vector<std::string> bsi__Event;
    struct soap *soap;
};

class bsi__EventPropertyList {
  public:
    std::vector<std::string> bsi__EventProperty;
    struct soap *soap;
};

class bsi__BaseProperties_USCOREt {
  public:
    std::string bsi__Name;
    xsd__anyURI bsi__ServiceURN;
    std::string bsi__ClientCookie;
    std::string bsi__SubscriptionID;
    bsi__SeverityDescriptor_USCOREt bsi__Severity;
    std::string bsi__Description;
    xsd__language bsi__Language;
    ULONG64 bsi__Sequence;
    xsd__anyURI bsi__ServiceURI;
    time_t *bsi__TimeStamp;
    struct soap *soap;
};

class bsi__StateChangeProperties_USCOREt : public bsi__BaseProperties_USCOREt {
  public:
    bsi__StateDescriptor_USCOREt bsi__NewState;
    bsi__StateDescriptor_USCOREt bsi__OldState;
};

class bsi__StatusChangeProperties_USCOREt : public bsi__BaseProperties_USCOREt {
  public:
    bsi__AvailabilityDescriptor_USCOREt bsi__Availability;
    bsi__LoadDescriptor_USCOREt bsi__Load;
};

class bsi__ErrorProperties_USCOREt : public bsi__BaseProperties_USCOREt {
  public:
    bsi__AvailabilityDescriptor_USCOREt bsi__Availability;
    bsi__LoadDescriptor_USCOREt bsi__Load;
    bsi__FaultReasonDescriptor_USCOREt bsi__ErrorCode;
    bsi__StateDescriptor_USCOREt bsi__State;
};

class bsi__SessionProperties_USCOREt : public bsi__BaseProperties_USCOREt {
  public:
    bsi__FaultReasonDescriptor_USCOREt bsi__ErrorCode;
};

class bsi__SecurityProperties_USCOREt : public bsi__BaseProperties_USCOREt {
  public:
    bsi__FaultReasonDescriptor_USCOREt bsi__ErrorCode;
};

/// Any XML content, kept as one literal string.
class _bsi__Event_USCOREt_Payload {
  public:
    _XML __any;
    struct soap *soap;
};

class bsi__Event_USCOREt {
  public:
    bsi__BaseProperties_USCOREt *bsi__Properties;
    _bsi__Event_USCOREt_Payload *bsi__Payload;
    struct soap *soap;
};

/* Faults. */

/// Any XML content, kept as one literal string.
class _bsi__FaultDetails_USCOREt_Payload {
  public:
    _XML __any;
    struct soap *soap;
};

class bsi__FaultDetails_USCOREt {
  public:
    bsi__FaultReasonDescriptor_USCOREt bsi__Reason;
    bsi__SeverityDescriptor_USCOREt bsi__Severity;
    ULONG64 bsi__Sequence;
    bool bsi__Cleared;
    time_t *bsi__TimeStamp;
    bsi__ClientInfo_USCOREt *bsi__CausedBy;
    bsi__FaultPlatform_USCOREt *bsi__PlatformSpecific;
    _bsi__FaultDetails_USCOREt_Payload *bsi__Payload;
    struct soap *soap;
};

class bsi__Fault_USCOREt {
  public:
    std::string bsi__soapFaultCode;
    std::string bsi__soapFaultString;
    xsd__anyURI *bsi__soapFaultActor;
    bsi__FaultDetails_USCOREt *bsi__soapDetail;
    struct soap *soap;
};

/* Diagnostics, languages, security, services and state. */

class bsi__Range_USCOREt {
  public:
    int bsi__Min;
    int bsi__Max;
    struct soap *soap;
};

class bsi__LanguageList {
  public:
    std::vector<xsd__language> bsi__Language;
    struct soap *soap;
};

class bsi__SecurityTypesList {
  public:
    std::vector<bsi__SecurityDescriptor_USCOREt> bsi__SecurityType;
    struct soap *soap;
};

class bsi__Diagnostic_USCOREt {
  public:
    std::string bsi__Name;
    std::string bsi__Description;
    struct soap *soap;
};

class bsi__DiagnosticList {
  public:
    std::vector<bsi__Diagnostic_USCOREt *> bsi__Diagnostic;
    struct soap *soap;
};

class bsi__DiagnosticPart_USCOREt {
  public:
    std::string bsi__Title;
    bsi__DiagResultDescriptor_USCOREt bsi__ResultCode;
    std::string bsi__ResultDescription;
    struct soap *soap;
};

class bsi__DiagnosticResult_USCOREt {
  public:
    std::string bsi__Name;
    bsi__DiagResultDescriptor_USCOREt bsi__ResultCode;
    std::vector<bsi__DiagnosticPart_USCOREt *> bsi__DiagnosticPart;
    struct soap *soap;
};

class bsi__ServiceInfo_USCOREt {
  public:
    bsi__ServiceID_USCOREt *bsi__ServiceID;
    xsd__anyURI bsi__ServiceURN;
    std::string bsi__Name;
    std::string bsi__Version;
    std::string bsi__Type;
    xsd__anyURI bsi__LocationURI;
    xsd__anyURI bsi__DescriptionDocURI;
    xsd__anyURI bsi__SupportDocURI;
    bsi__StateDescriptor_USCOREt bsi__State;
    struct soap *soap;
};

class bsi__ServiceInfoList {
  public:
    std::vector<bsi__ServiceInfo_USCOREt *> bsi__ServiceInfo;
    struct soap *soap;
};

class bsi__ServiceState_USCOREt {
  public:
    bsi__ServiceInfo_USCOREt *bsi__ServiceInfo;
    bsi__AvailabilityDescriptor_USCOREt bsi__Availability;
    bsi__LoadDescriptor_USCOREt bsi__Load;
    bsi__Fault_USCOREt *bsi__LastError;
    struct soap *soap;
};

class bsi__SubsystemState_USCOREt {
  public:
    std::string bsi__Name;
    std::string bsi__Version;
    std::string bsi__Description;
    bsi__AvailabilityDescriptor_USCOREt bsi__Availability;
    bsi__LoadDescriptor_USCOREt bsi__Load;
    struct soap *soap;
};

class bsi__SubsystemStateList {
  public:
    std::vector<bsi__SubsystemState_USCOREt *> bsi__SubsystemState;
    struct soap *soap;
};

class bsi__ServiceStateDetailed_USCOREt {
  public:
    bsi__ServiceState_USCOREt *bsi__ServiceState;
    ULONG64 bsi__Uptime;
    unsigned int bsi__TotalErrors;
    bsi__SubsystemStateList *bsi__SubsystemStatesList;
    struct soap *soap;
};

/* Request elements (object form). */

class _bsi__StartSession {
  public:
    bsi__RequestTicket_USCOREt *bsi__RequestTicket;
    struct soap *soap;
};

class _bsi__GetSubscriptionDetails {
  public:
    bsi__SubscriptionID_USCOREt *bsi__SubscriptionID;
    struct soap *soap;
};

class _bsi__GetEventProperties {
  public:
    std::string bsi__EventName;
    struct soap *soap;
};

class _bsi__Unsubscribe {
  public:
    bsi__SubscriptionID_USCOREt *bsi__SubscriptionID;
    struct soap *soap;
};

class _bsi__EmailSubscribe {
  public:
    bsi__SubscriptionInfo_USCOREt *bsi__SubscriptionInfo;
    bsi__FilterProperties_USCOREt *bsi__FilterProperties;
    std::string bsi__EmailAddress;
    struct soap *soap;
};

class _bsi__StreamSubscribe {
  public:
    bsi__SubscriptionInfo_USCOREt *bsi__SubscriptionInfo;
    bsi__FilterProperties_USCOREt *bsi__FilterProperties;
    struct soap *soap;
};

class _bsi__Subscribe {
  public:
    bsi__SubscriptionInfo_USCOREt *bsi__SubscriptionInfo;
    bsi__FilterProperties_USCOREt *bsi__FilterProperties;
    xsd__anyURI bsi__ClientDeliveryAddress;
    struct soap *soap;
};

class _bsi__RunDiagnostic {
  public:
    std::string bsi__Diagnostic;
    struct soap *soap;
};

class _bsi__Deliver {
  public:
    bsi__Event_USCOREt *bsi__Event;
    struct soap *soap;
};

class _bsi__GetSupportedLanguages {
  public:
    struct soap *soap;
};

class _bsi__GetSupportedSecurityTypes {
  public:
    struct soap *soap;
};

class _bsi__GetSupportedDiagnostics {
  public:
    struct soap *soap;
};

/* Response elements (object form): one optional result each. Three of them also accept the
   result as bsi:return; the named result is tried first (it comes first in member order). */

class _bsi__StartSessionResponse {
  public:
    bsi__SessionTicket_USCOREt *bsi__StartSessionResult;
    bsi__SessionTicket_USCOREt *bsi__return;
    struct soap *soap;
};

class _bsi__GetSessionTicketResponse {
  public:
    bsi__SessionTicket_USCOREt *bsi__GetSessionTicketResult;
    struct soap *soap;
};

class _bsi__GetSessionListResponse {
  public:
    bsi__SessionTicketList *bsi__GetSessionListResult;
    struct soap *soap;
};

class _bsi__GetEventSystemCapabilitiesResponse {
  public:
    bsi__EventCapabilities_USCOREt *bsi__GetEventSystemCapabilitiesResult;
    struct soap *soap;
};

class _bsi__GetSubscriptionIDListResponse {
  public:
    bsi__SubscriptionIDList *bsi__GetSubscriptionIDListResult;
    struct soap *soap;
};

class _bsi__GetSubscriptionDetailsResponse {
  public:
    bsi__SubscriptionDetails_USCOREt *bsi__GetSubscriptionDetailsResult;
    struct soap *soap;
};

class _bsi__GetEventPropertiesResponse {
  public:
    bsi__EventPropertyList *bsi__GetEventPropertiesResult;
    struct soap *soap;
};

class _bsi__GetSupportedEventsResponse {
  public:
    bsi__EventList *bsi__GetSupportedEventsResult;
    bsi__EventList *bsi__return;
    struct soap *soap;
};

class _bsi__EmailSubscribeResponse {
  public:
    bsi__SubscriptionID_USCOREt *bsi__EmailSubscribeResult;
    struct soap *soap;
};

class _bsi__StreamSubscribeResponse {
  public:
    bsi__StreamSubscriptionResult_USCOREt *bsi__StreamSubscribeResult;
    struct soap *soap;
};

class _bsi__SubscribeResponse {
  public:
    bsi__SubscriptionID_USCOREt *bsi__SubscribeResult;
    bsi__SubscriptionID_USCOREt *bsi__return;
    struct soap *soap;
};

class _bsi__RunDiagnosticResponse {
  public:
    bsi__DiagnosticResult_USCOREt *bsi__RunDiagnosticResult;
    struct soap *soap;
};

class _bsi__GetSupportedDiagnosticsResponse {
  public:
    bsi__DiagnosticList *bsi__GetSupportedDiagnosticsResult;
    struct soap *soap;
};

class _bsi__GetSupportedLanguagesResponse {
  public:
    bsi__LanguageList *bsi__GetSupportedLanguagesResult;
    struct soap *soap;
};

class _bsi__GetSupportedSecurityTypesResponse {
  public:
    bsi__SecurityTypesList *bsi__GetSupportedSecurityTypesResult;
    struct soap *soap;
};

class _bsi__GetDependentServicesResponse {
  public:
    bsi__ServiceInfoList *bsi__GetDependentServicesResult;
    struct soap *soap;
};

class _bsi__GetDetailedStateResponse {
  public:
    bsi__ServiceStateDetailed_USCOREt *bsi__GetDetailedStateResult;
    struct soap *soap;
};

class _bsi__GetStateResponse {
  public:
    bsi__ServiceState_USCOREt *bsi__GetStateResult;
    struct soap *soap;
};

/* Fault detail elements, declared as elements too so the fault reader decodes them typed. */

typedef bsi__FaultDetails_USCOREt _bsi__SessionException;
typedef bsi__FaultDetails_USCOREt _bsi__ServiceException;
typedef bsi__FaultDetails_USCOREt _bsi__ServiceBusy;
typedef bsi__FaultDetails_USCOREt _bsi__SecurityException;

class SessionException {
  public:
    bsi__FaultDetails_USCOREt *bsi__SessionException;
    struct soap *soap;
};

class ServiceException {
  public:
    bsi__FaultDetails_USCOREt *bsi__ServiceException;
    struct soap *soap;
};

class ServiceBusy {
  public:
    bsi__FaultDetails_USCOREt *bsi__ServiceBusy;
    struct soap *soap;
};

class SecurityException {
  public:
    bsi__FaultDetails_USCOREt *bsi__SecurityException;
    struct soap *soap;
};
