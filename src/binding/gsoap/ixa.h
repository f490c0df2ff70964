// XDM access message types (prefixes ixagd, ixasd, ixags, ixaad, ixard, ixa, ixaget).
// Member elements are unqualified: written without a prefix, matched by local name. The
// namespace directives live in binding.h.

/* Text types. */

// Typed text, as xsd__anyURI in bsi.h (serializers in DataAccessText.cpp).
extern typedef std::string ixagd__XPath_USCOREt;
extern typedef std::string ixagd__Device_USCOREt;
extern typedef std::string xsd__NCName;

/* Literal types. */

/// Literal XML written as it stands inside the enclosing element and read from the next
/// child element whatever its name. Its serializers are hand-written (LiteralTypes.cpp),
/// because the generated ones would wrap the text in an element of its own.
#include "binding/AnyType.h"
extern typedef struct AnyType xsd__anyType;

/// XML carried as a document: written as the caller's text, read from the child element.
/// The type's name is XML_Ticket_t; its X is spelt as an escape because soapcpp2 warns of
/// every identifier that begins with the letters XML.
class _x0058ML_USCORETicket_USCOREt {
  public:
    xsd__anyType Ticket;
    struct soap *soap;
};

/* Prefix map. */

class ixagd__PrefixMap_USCOREt {
  public:
    xsd__NCName Prefix;
    xsd__anyURI URL;
    struct soap *soap;
};

class ixagd__PrefixMapList {
  public:
    std::vector<ixagd__PrefixMap_USCOREt *> PrefixMap;
    struct soap *soap;
};

/* Request elements. */

class _ixagd__GetData {
  public:
    ixagd__PrefixMapList *Prefixes;
    ixagd__XPath_USCOREt Path;
    struct soap *soap;
};

class _ixasd__SetData {
  public:
    _x0058ML_USCORETicket_USCOREt XDM_USCOREDocument;
    bool ResultsDetails;
    struct soap *soap;
};

class _ixaad__AddData {
  public:
    _x0058ML_USCORETicket_USCOREt XDM_USCOREDocument;
    bool ResultsDetails;
    struct soap *soap;
};

class _ixard__RemoveData {
  public:
    _x0058ML_USCORETicket_USCOREt XDM_USCOREDocument;
    bool ResultsDetails;
    struct soap *soap;
};

/* Response elements. GetDataResponse also accepts its result as `return`; the named result
   comes first and is tried first. */

class _ixagd__GetDataResponse {
  public:
    ixagd__Device_USCOREt GetDataResult;
    ixagd__Device_USCOREt *return_;
    struct soap *soap;
};

class _ixasd__SetDataResponse {
  public:
    _x0058ML_USCORETicket_USCOREt SetDataResult;
    struct soap *soap;
};

class _ixags__GetSettableResponse {
  public:
    _x0058ML_USCORETicket_USCOREt GetSettableResult;
    struct soap *soap;
};

class _ixaad__AddDataResponse {
  public:
    _x0058ML_USCORETicket_USCOREt AddDataResult;
    struct soap *soap;
};

class _ixard__RemoveDataResponse {
  public:
    _x0058ML_USCORETicket_USCOREt RemoveDataResult;
    struct soap *soap;
};

/* Fault detail types. */

/// Any XML content, kept as one literal string.
class _ixagd__XPathError_USCOREt_Payload {
  public:
    _XML __any;
    struct soap *soap;
};

class ixagd__XPathError_USCOREt {
  public:
    bsi__FaultReasonDescriptor_USCOREt Reason;
    bsi__SeverityDescriptor_USCOREt Severity;
    ULONG64 Sequence;
    bool Cleared;
    time_t *TimeStamp;
    bsi__ClientInfo_USCOREt *CausedBy;
    bsi__FaultPlatform_USCOREt *PlatformSpecific;
    _ixagd__XPathError_USCOREt_Payload *Payload;
    struct soap *soap;
};

class _ixagd__XPathException_USCOREt_Payload {
  public:
    // The class itself, not a typedef of it: a typedef has a type id of its own, so an href
    // to a support object decoded under the class would not resolve into this member.
    dd__XPathExpressionSupport_USCOREt *XPathExpressionSupport_USCOREt;
    struct soap *soap;
};

class ixagd__XPathException_USCOREt {
  public:
    bsi__FaultReasonDescriptor_USCOREt Reason;
    bsi__SeverityDescriptor_USCOREt Severity;
    ULONG64 Sequence;
    bool Cleared;
    time_t *TimeStamp;
    bsi__ClientInfo_USCOREt *CausedBy;
    bsi__FaultPlatform_USCOREt *PlatformSpecific;
    _ixagd__XPathException_USCOREt_Payload *Payload;
    struct soap *soap;
};

/// Any XML content, kept as one literal string.
class _ixa__XPathError_USCOREt_Payload {
  public:
    _XML __any;
    struct soap *soap;
};

class ixa__XPathError_USCOREt {
  public:
    bsi__FaultReasonDescriptor_USCOREt Reason;
    bsi__SeverityDescriptor_USCOREt Severity;
    ULONG64 Sequence;
    bool Cleared;
    time_t *TimeStamp;
    bsi__ClientInfo_USCOREt *CausedBy;
    _ixa__XPathError_USCOREt_Payload *Payload;
    struct soap *soap;
};

class _ixa__XPathException_USCOREt_Payload {
  public:
    // The class itself, not a typedef of it: a typedef has a type id of its own, so an href
    // to a support object decoded under the class would not resolve into this member.
    dd__XPathExpressionSupport_USCOREt *XPathExpressionSupport_USCOREt;
    struct soap *soap;
};

class ixa__XPathException_USCOREt {
  public:
    bsi__FaultReasonDescriptor_USCOREt Reason;
    bsi__SeverityDescriptor_USCOREt Severity;
    ULONG64 Sequence;
    bool Cleared;
    time_t *TimeStamp;
    bsi__ClientInfo_USCOREt *CausedBy;
    _ixa__XPathException_USCOREt_Payload *Payload;
    struct soap *soap;
};

/* Fault detail elements. The element declarations let the fault reader decode a detail into
   its typed object (the detail's `fault`, with `__type` naming the element) instead of
   keeping it as literal XML. */

typedef ixa__XPathException_USCOREt _ixaget__XPathException;
typedef ixa__XPathError_USCOREt _ixaget__XPathError;

class XPathException {
  public:
    ixa__XPathException_USCOREt *ixaget__XPathException;
    struct soap *soap;
};

class XPathError {
  public:
    ixa__XPathError_USCOREt *ixaget__XPathError;
    struct soap *soap;
};
