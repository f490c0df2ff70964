// The auxiliary schema (prefix ns1). It has no namespace name: its elements are written with
// the prefix alone, and on input the namespace table's input-only ns1 rows take whatever name
// an answer binds the prefix to (NamespaceTable.cmake).

/* Enumerations. Their code tables and text conversions are generated from these declarations
   at build time (EnumerationCodes.cmake), so that a number outside a table reads unchanged. */

extern enum ns1__Display_ : LONG64 {
    ns1__Display__true,
    ns1__Display__false,
    ns1__Display__dependent
};
extern typedef enum ns1__Display_ ns1__Display;

extern enum ns1__LoggingOptions_ : LONG64 {
    ns1__LoggingOptions__LogTimeStamps,
    ns1__LoggingOptions__LogAnnotators,
    ns1__LoggingOptions__LogTracking
};
extern typedef enum ns1__LoggingOptions_ ns1__LoggingOptions;

extern enum ns1__LoggingLevels_ : LONG64 {
    ns1__LoggingLevels__all,
    ns1__LoggingLevels__debug,
    ns1__LoggingLevels__info,
    ns1__LoggingLevels__warn,
    ns1__LoggingLevels__error,
    ns1__LoggingLevels__fatal,
    ns1__LoggingLevels__off
};
extern typedef enum ns1__LoggingLevels_ ns1__LoggingLevels;

extern enum ns1__unbounded_ : LONG64 {
    ns1__unbounded__unbounded
};
extern typedef enum ns1__unbounded_ ns1__unbounded;

extern enum ns1__ControlProtocolWKV_ : LONG64 {
    ns1__ControlProtocolWKV__jobLanguage,
    ns1__ControlProtocolWKV__rawSocket,
    ns1__ControlProtocolWKV__lineprinterDaemon,
    ns1__ControlProtocolWKV__webServices,
    ns1__ControlProtocolWKV__PWG_x002dPSI,
    ns1__ControlProtocolWKV__postscript,
    ns1__ControlProtocolWKV__PWG_x002dIPP
};
extern typedef enum ns1__ControlProtocolWKV_ ns1__ControlProtocolWKV;

/* String types: text content; patterns and restrictions are not enforced. */

typedef std::string ns1__maxOccurs;
typedef std::string ns1__minOccurs;

/* Complex types. */

class ns1__AlternateDisplayStringsType;
class ns1__AlternateDisplayStringType;
class ns1__any;
class ns1__ControlProtocol;
class ns1__DisplayItem;
class ns1__IDREF;
class ns1__Invocation;
class ns1__Invocations;
class ns1__OptionBase;
class ns1__Protocols;
class ns1__Range;
class ns1__ref;

class ns1__AlternateDisplayStringsType {
  public:
    std::vector<ns1__AlternateDisplayStringType *> ns1__AlternateDisplayString;
    struct soap *soap;
};

class ns1__AlternateDisplayStringType {
  public:
    @std::string *lang;
    std::string __item;
    struct soap *soap;
};

class ns1__any {
  public:
    _XML __any;
    struct soap *soap;
};

class ns1__ControlProtocol {
  public:
    ns1__ControlProtocolWKV ns1__Name 1;
    ns1__Invocations *ns1__Invocations_;
    struct soap *soap;
};

class ns1__DisplayItem {
  public:
    @ns1__Display *display;
    std::string *ns1__DisplayString;
    ns1__AlternateDisplayStringsType *ns1__AlternateDisplayStrings;
    struct soap *soap;
};

class ns1__IDREF {
  public:
    @std::string *ref;
    struct soap *soap;
};

class ns1__Invocation {
  public:
    std::string *ns1__Command;
    ns1__LoggingLevels *ns1__LoggingLevel;
    std::vector<ns1__LoggingOptions> ns1__LoggingOption;
    struct soap *soap;
};

class ns1__Invocations {
  public:
    std::vector<ns1__Invocation *> ns1__Invocation_;
    struct soap *soap;
};

class ns1__OptionBase {
  public:
    @ns1__minOccurs *minOccurs;
    @ns1__maxOccurs *maxOccurs;
    ns1__DisplayItem *ns1__DisplayItem_;
    struct soap *soap;
};

class ns1__Protocols {
  public:
    std::vector<ns1__ControlProtocol *> ns1__ControlProtocol_;
    struct soap *soap;
};

class ns1__Range {
  public:
    int ns1__Min 1;
    int ns1__Max 1;
    ns1__unbounded *ns1__Unbounded;
    struct soap *soap;
};

class ns1__ref {
  public:
    @std::string *idref;
    struct soap *soap;
};
