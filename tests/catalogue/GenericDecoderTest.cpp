// An answer may carry catalogued objects where no particular type is expected: an unknown
// element with an id is decoded by its type so that references to it resolve, and an element
// the catalogue does not know is skipped without spoiling the rest of the answer. The fault
// reader hands a fault's detail over decoded the same way.
#include "binding/FaultDetailText.h"
#include "binding/ReceiveFault.h"
#include "binding/SoapContext.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kavelin_test {
namespace {

// The support a device reports in the examples: one item per supported feature, in order.
const char* const kSupport =
    "<dd:XPathVersionSupport>1.0</dd:XPathVersionSupport><dd:DefaltIXAXPathType>/descendant::*"
    "</dd:DefaltIXAXPathType><dd:AxisEnum>child</dd:AxisEnum><dd:AxisEnum>attribute</dd:AxisEnum>"
    "<dd:PredicateBool>true</dd:PredicateBool><dd:LocationPathAbbrvEnum>abbrv_//"
    "</dd:LocationPathAbbrvEnum><dd:StringFuncEnum>contains</dd:StringFuncEnum>";

std::string Exception(const std::string& payload) {
    return "<ixaget:XPathException xmlns:ixaget=\"" + NamespaceOf("ixaget") + "\" xmlns:dd=\"" +
           NamespaceOf("dd") +
           "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><Reason>" +
           "InvalidParameter</Reason><Severity>Error</Severity><Sequence>12</Sequence><Cleared>" +
           "false</Cleared><Payload>" + payload + "</Payload></ixaget:XPathException>";
}

const std::string kCatalogued = std::string("<dd:Capabilities id=\"support\" "
                                            "xsi:type=\"dd:XPathExpressionSupport_t\">") +
                                kSupport + "</dd:Capabilities>";
const std::string kInline =
    std::string("<XPathExpressionSupport_t>") + kSupport + "</XPathExpressionSupport_t>";
const std::string kUnknown = "<dd:Mystery id=\"m1\"><dd:Inner>x</dd:Inner></dd:Mystery>";

void ExpectReportedSupport(const dd__XPathExpressionSupport_USCOREt& support) {
    EXPECT_EQ(support.dd__XPathVersionSupport, "1.0");
    EXPECT_EQ(support.dd__DefaltIXAXPathType_,
              dd__DefaltIXAXPathType___x002fdescendant_x003a_x003a_x002a);
    const std::vector<std::pair<int, LONG64>> expected = {
        {SOAP_UNION__dd__XPathFeature_dd__AxisEnum, dd__AxisEnumType__child},
        {SOAP_UNION__dd__XPathFeature_dd__AxisEnum, dd__AxisEnumType__attribute},
        {SOAP_UNION__dd__XPathFeature_dd__PredicateBool_, 1},
        {SOAP_UNION__dd__XPathFeature_dd__LocationPathAbbrvEnum_,
         dd__LocationPathAbbrvEnum__abbrv__x002f_x002f},
        {SOAP_UNION__dd__XPathFeature_dd__StringFuncEnum_, dd__StringFuncEnum__contains},
    };
    ASSERT_EQ(support.__size_XPathFeature, static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        const int selector = support.__XPathFeature[i].__union_XPathFeature;
        const _dd__XPathFeature& u = support.__XPathFeature[i].union_XPathFeature;
        const LONG64 value = selector == SOAP_UNION__dd__XPathFeature_dd__AxisEnum
                                 ? static_cast<LONG64>(u.dd__AxisEnum)
                             : selector == SOAP_UNION__dd__XPathFeature_dd__PredicateBool_
                                 ? u.dd__PredicateBool_
                             : selector == SOAP_UNION__dd__XPathFeature_dd__LocationPathAbbrvEnum_
                                 ? static_cast<LONG64>(u.dd__LocationPathAbbrvEnum_)
                                 : static_cast<LONG64>(u.dd__StringFuncEnum_);
        EXPECT_EQ(std::make_pair(selector, value), expected[i]) << "feature " << i;
    }
}

// An element the catalogue does not know is a tag mismatch (type 0 in the rows); one it knows
// with an id is decoded by its xsi:type (the fault details below). The auxiliary schema's types
// decode by element name and by xsi:type, whatever namespace name the answer binds its prefix
// to ($ in the rows), also after other names the table does not know.
TEST(GenericDecoder, DecodesByElementNameOrType) {
    const auto number = [](const void* value) {
        return std::to_string(*static_cast<const LONG64*>(value));
    };
    const struct Case {
        const char* what;
        std::string element;
        int type;
        std::function<std::string(const void*)> read;
        std::string expected;
    } cases[] = {
        {"element unknown to the catalogue",
         "<dd:Mystery $ id=\"m1\"><dd:Inner>x</dd:Inner></dd:Mystery>", 0, nullptr, ""},
        {"enumeration by its element", "<ns1:LoggingLevels $>warn</ns1:LoggingLevels>",
         SOAP_TYPE_ns1__LoggingLevels, number, "3"},
        {"enumeration by its type", "<Setting $ xsi:type=\"ns1:Display\">dependent</Setting>",
         SOAP_TYPE_ns1__Display, number, "2"},
        {"enumeration outside its table", "<ns1:unbounded $>4</ns1:unbounded>",
         SOAP_TYPE_ns1__unbounded, number, "4"},
        {"members",
         "<ns1:Range $><ns1:Min>1</ns1:Min><ns1:Max>9</ns1:Max>"
         "<ns1:Unbounded>unbounded</ns1:Unbounded></ns1:Range>",
         SOAP_TYPE_ns1__Range,
         [](const void* value) {
             const auto& range = *static_cast<const ns1__Range*>(value);
             return std::to_string(range.ns1__Min) + ".." + std::to_string(range.ns1__Max) +
                    (range.ns1__Unbounded ? " open" : "");
         },
         "1..9 open"},
        {"nested lists by its type",
         "<Supported $ xsi:type=\"ns1:Protocols\"><ns1:ControlProtocol><ns1:Name>PWG-IPP</ns1:Name>"
         "<ns1:Invocations><ns1:Invocation><ns1:Command>run</ns1:Command>"
         "<ns1:LoggingLevel>debug</ns1:LoggingLevel><ns1:LoggingOption>LogTracking"
         "</ns1:LoggingOption><ns1:LoggingOption>LogAnnotators</ns1:LoggingOption>"
         "</ns1:Invocation></ns1:Invocations></ns1:ControlProtocol></Supported>",
         SOAP_TYPE_ns1__Protocols,
         [](const void* value) {
             std::string text;
             for (const ns1__ControlProtocol* protocol :
                  static_cast<const ns1__Protocols*>(value)->ns1__ControlProtocol_) {
                 text += std::to_string(protocol->ns1__Name) + ";";
                 if (protocol->ns1__Invocations_)
                     for (const ns1__Invocation* invocation :
                          protocol->ns1__Invocations_->ns1__Invocation_) {
                         text += " " + (invocation->ns1__Command ? *invocation->ns1__Command : "-");
                         if (invocation->ns1__LoggingLevel)
                             text += " " + std::to_string(*invocation->ns1__LoggingLevel);
                         for (const ns1__LoggingOptions option : invocation->ns1__LoggingOption)
                             text += " " + std::to_string(option);
                     }
             }
             return text;
         },
         "6; run 1 2 1"},
        {"attribute and text after other unknown namespaces",
         "<ns1:DisplayItem xmlns:a=\"urn:example:a\" xmlns:b=\"urn:example:b\" $ "
         "display=\"false\">"
         "<ns1:DisplayString>Tray 2</ns1:DisplayString></ns1:DisplayItem>",
         SOAP_TYPE_ns1__DisplayItem,
         [](const void* value) {
             const auto& item = *static_cast<const ns1__DisplayItem*>(value);
             return (item.display ? std::to_string(*item.display) : "-") + " " +
                    (item.ns1__DisplayString ? *item.ns1__DisplayString : "-");
         },
         "1 Tray 2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string element = c.element;
        element.replace(element.find('$'), 1,
                        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                        "xmlns:ns1=\"urn:example:aux\" xmlns:dd=\"" +
                            NamespaceOf("dd") + "\"");
        InMemoryAnswer engine(element);
        int type = 0;
        const void* decoded = engine.Element(&type);
        if (c.type == 0) {
            EXPECT_EQ(decoded, nullptr);
            EXPECT_EQ(engine.soap()->error, SOAP_TAG_MISMATCH);
        } else if (decoded == nullptr || type != c.type) {
            ADD_FAILURE() << "error " << engine.soap()->error << ", type " << type;
        } else {
            EXPECT_EQ(c.read(decoded), c.expected);
        }
    }
}

std::string FaultAnswer(const std::string& detail) {
    return "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:ixaget=\"" +
           NamespaceOf("ixaget") + "\" xmlns:bsi=\"" + NamespaceOf("bsi") +
           "\"><SOAP-ENV:Body><SOAP-ENV:Fault><faultcode>SOAP-ENV:Client</faultcode>"
           "<faultstring>XPath not supported</faultstring><detail>" +
           detail + "</detail></SOAP-ENV:Fault></SOAP-ENV:Body></SOAP-ENV:Envelope>";
}

// Reads the answer the way a client operation does: the expected response is not there, so
// the Body goes to the fault reader; the detail read, or null.
const SOAP_ENV__Detail* ReadFaultDetail(struct soap* soap) {
    _ixagd__GetDataResponse response;
    EXPECT_FALSE(soap_begin_recv(soap) || soap_envelope_begin_in(soap) || soap_recv_header(soap) ||
                 soap_body_begin_in(soap));
    EXPECT_EQ(soap_get__ixagd__GetDataResponse(soap, &response, "ixagd:GetDataResponse", nullptr),
              nullptr);
    EXPECT_EQ(kavelin::binding::ReadFaultInBody(soap), SOAP_CLI_FAULT);
    return soap->fault ? soap->fault->detail : nullptr;
}

// Every declared detail decodes into its type and the cause names its kind and reason; a
// detail nothing declares reaches the cause as written.
TEST(XPathFaultDetail, FaultReaderDecodesEveryDetail) {
    const int exception = SOAP_TYPE__ixaget__XPathException;
    const std::string invalid = "XPathException: InvalidParameter";
    // The exception's payload inline, beside elements that are skipped (one unknown to the
    // catalogue, a tag mismatch; one catalogued, decoded by its type and set aside), as a
    // reference to a support element that follows it, and as one to an unexpected element
    // before it, typed by its xsi:type. The XPath error's members are unqualified, the base
    // service's are qualified.
    const struct Case {
        std::string detail;
        int type;
        std::string cause;
    } cases[] = {
        {Exception(kInline), exception, invalid},
        {Exception(kUnknown + kInline), exception, invalid},
        {Exception(kInline + kUnknown), exception, invalid},
        {Exception(kCatalogued + kInline), exception, invalid},
        {Exception(kInline + kCatalogued), exception, invalid},
        {Exception(std::string("<XPathExpressionSupport_t href=\"#s1\"/>"
                               "<dd:XPathExpressionSupport_t id=\"s1\">") +
                   kSupport + "</dd:XPathExpressionSupport_t>"),
         exception, invalid},
        {Exception(kCatalogued + "<XPathExpressionSupport_t href=\"#support\"/>"), exception,
         invalid},
        {"<ixaget:XPathError><Reason>NotImplemented</Reason></ixaget:XPathError>",
         SOAP_TYPE__ixaget__XPathError, "XPathError: NotImplemented"},
        {"<bsi:SessionException><bsi:Reason>InvalidSessionID</bsi:Reason></bsi:SessionException>",
         SOAP_TYPE__bsi__SessionException, "SessionException: InvalidSessionID"},
        {"<bsi:ServiceException><bsi:Reason>InvalidState</bsi:Reason></bsi:ServiceException>",
         SOAP_TYPE__bsi__ServiceException, "ServiceException: InvalidState"},
        {"<bsi:ServiceBusy><bsi:Reason>ServiceStarting</bsi:Reason></bsi:ServiceBusy>",
         SOAP_TYPE__bsi__ServiceBusy, "ServiceBusy: ServiceStarting"},
        {"<bsi:SecurityException><bsi:Reason>AuthorizationFailed</bsi:Reason>"
         "</bsi:SecurityException>",
         SOAP_TYPE__bsi__SecurityException, "SecurityException: AuthorizationFailed"},
        {"<bsi:Other>x</bsi:Other>", 0, "<bsi:Other>x</bsi:Other>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.detail);
        InMemoryAnswer engine(FaultAnswer(c.detail));
        const SOAP_ENV__Detail* read = ReadFaultDetail(engine.soap());
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->__type, c.type);
        EXPECT_EQ(kavelin::binding::FaultDetailText(engine.soap()), c.cause);
        if (c.type != exception)
            continue;
        const auto* decoded = static_cast<const ixa__XPathException_USCOREt*>(read->fault);
        ASSERT_NE(decoded, nullptr);
        EXPECT_EQ(decoded->Sequence, 12u);
        ASSERT_NE(decoded->Payload, nullptr);
        ASSERT_NE(decoded->Payload->XPathExpressionSupport_USCOREt, nullptr);
        ExpectReportedSupport(*decoded->Payload->XPathExpressionSupport_USCOREt);
    }
}

} // namespace
} // namespace kavelin_test
