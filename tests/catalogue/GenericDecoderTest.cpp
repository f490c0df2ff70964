// An answer may carry catalogued objects where no particular type is expected: an unknown
// element with an id is decoded by its type so that references to it resolve, and an element
// the catalogue does not know is skipped without spoiling the rest of the answer.
#include "catalogue/InMemoryAnswer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kavelin_test {
namespace {

// The support a device reports in the examples: one item per supported feature, in order.
const char* const kSupport = "<dd:XPathVersionSupport>1.0</dd:XPathVersionSupport>"
                             "<dd:DefaltIXAXPathType>/descendant::*</dd:DefaltIXAXPathType>"
                             "<dd:AxisEnum>child</dd:AxisEnum>"
                             "<dd:AxisEnum>attribute</dd:AxisEnum>"
                             "<dd:PredicateBool>true</dd:PredicateBool>"
                             "<dd:LocationPathAbbrvEnum>abbrv_//</dd:LocationPathAbbrvEnum>"
                             "<dd:StringFuncEnum>contains</dd:StringFuncEnum>";

std::string Exception(const std::string& payload) {
    return "<ixaget:XPathException xmlns:ixaget=\"" + NamespaceOf("ixaget") + "\" xmlns:dd=\"" +
           NamespaceOf("dd") +
           "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
           "<Reason>InvalidParameter</Reason><Severity>Error</Severity>"
           "<Sequence>12</Sequence><Cleared>false</Cleared>"
           "<Payload>" +
           payload + "</Payload></ixaget:XPathException>";
}

const std::string kCatalogued = std::string("<dd:Capabilities id=\"support\" "
                                            "xsi:type=\"dd:XPathExpressionSupport_t\">") +
                                kSupport + "</dd:Capabilities>";
const std::string kInline =
    std::string("<XPathExpressionSupport_t>") + kSupport + "</XPathExpressionSupport_t>";
const std::string kUnknown = "<dd:Mystery id=\"m1\"><dd:Inner>x</dd:Inner></dd:Mystery>";

struct Feature {
    int selector;
    LONG64 value;
};

void ExpectReportedSupport(const dd__XPathExpressionSupport_USCOREt& support) {
    EXPECT_EQ(support.dd__XPathVersionSupport, "1.0");
    EXPECT_EQ(support.dd__DefaltIXAXPathType_,
              dd__DefaltIXAXPathType___x002fdescendant_x003a_x003a_x002a);
    const std::vector<Feature> expected = {
        {SOAP_UNION__dd__XPathFeature_dd__AxisEnum, dd__AxisEnumType__child},
        {SOAP_UNION__dd__XPathFeature_dd__AxisEnum, dd__AxisEnumType__attribute},
        {SOAP_UNION__dd__XPathFeature_dd__PredicateBool_, 1},
        {SOAP_UNION__dd__XPathFeature_dd__LocationPathAbbrvEnum_,
         dd__LocationPathAbbrvEnum__abbrv__x002f_x002f},
        {SOAP_UNION__dd__XPathFeature_dd__StringFuncEnum_, dd__StringFuncEnum__contains},
    };
    ASSERT_EQ(support.__size_XPathFeature, static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const __dd__XPathFeature& item = support.__XPathFeature[i];
        ASSERT_EQ(item.__union_XPathFeature, expected[i].selector);
        const _dd__XPathFeature& u = item.union_XPathFeature;
        switch (item.__union_XPathFeature) {
        case SOAP_UNION__dd__XPathFeature_dd__AxisEnum:
            EXPECT_EQ(u.dd__AxisEnum, expected[i].value);
            break;
        case SOAP_UNION__dd__XPathFeature_dd__PredicateBool_:
            EXPECT_EQ(u.dd__PredicateBool_, expected[i].value != 0);
            break;
        case SOAP_UNION__dd__XPathFeature_dd__LocationPathAbbrvEnum_:
            EXPECT_EQ(u.dd__LocationPathAbbrvEnum_, expected[i].value);
            break;
        default:
            EXPECT_EQ(u.dd__StringFuncEnum_, expected[i].value);
        }
    }
}

TEST(GenericDecoder, UnknownElementWithIdDecodesIntoItsType) {
    InMemoryAnswer engine(
        "<dd:Capabilities xmlns:dd=\"" + NamespaceOf("dd") +
        "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" id=\"support\" "
        "xsi:type=\"dd:XPathExpressionSupport_t\">" +
        kSupport + "</dd:Capabilities>");
    ASSERT_EQ(soap_begin_recv(engine.soap()), SOAP_OK);
    int type = 0;
    const void* decoded = soap_getelement(engine.soap(), nullptr, &type);
    ASSERT_NE(decoded, nullptr) << engine.soap()->error;
    ASSERT_EQ(type, SOAP_TYPE_dd__XPathExpressionSupport_USCOREt);
    ExpectReportedSupport(*static_cast<const dd__XPathExpressionSupport_USCOREt*>(decoded));
}

TEST(GenericDecoder, ElementsBesideThePayloadAreSkipped) {
    const std::string payloads[] = {
        kUnknown + kInline, // unknown to the catalogue: tag mismatch, then skipped
        kInline + kUnknown,
        kCatalogued + kInline, // catalogued, decoded by its type and set aside
        kInline + kCatalogued,
    };
    for (const std::string& payload : payloads) {
        SCOPED_TRACE(payload);
        InMemoryAnswer engine(Exception(payload));
        ASSERT_EQ(soap_begin_recv(engine.soap()), SOAP_OK);
        ixa__XPathException_USCOREt exception;
        ASSERT_NE(soap_get_ixa__XPathException_USCOREt(engine.soap(), &exception,
                                                       "ixaget:XPathException", nullptr),
                  nullptr)
            << engine.soap()->error;
        EXPECT_EQ(exception.Sequence, 12u);
        ASSERT_NE(exception.Payload, nullptr);
        ASSERT_NE(exception.Payload->XPathExpressionSupport_USCOREt, nullptr);
        ExpectReportedSupport(*exception.Payload->XPathExpressionSupport_USCOREt);
    }
}

TEST(GenericDecoder, ElementUnknownToTheCatalogueIsATagMismatch) {
    InMemoryAnswer engine("<dd:Mystery xmlns:dd=\"" + NamespaceOf("dd") +
                          "\" id=\"m1\"><dd:Inner>x</dd:Inner></dd:Mystery>");
    ASSERT_EQ(soap_begin_recv(engine.soap()), SOAP_OK);
    int type = 0;
    EXPECT_EQ(soap_getelement(engine.soap(), nullptr, &type), nullptr);
    EXPECT_EQ(engine.soap()->error, SOAP_TAG_MISMATCH);
}

// The auxiliary schema's types decode by element name and by xsi:type, whatever namespace name
// the answer binds its prefix to ($ in the rows), also after other names the table does not
// know.
TEST(GenericDecoder, DecodesTheAuxiliarySchema) {
    struct Case {
        const char* what;
        std::string element;
        int type;
        std::function<std::string(const void*)> read;
        std::string expected;
    };
    const auto number = [](const void* value) {
        return std::to_string(*static_cast<const LONG64*>(value));
    };
    const Case cases[] = {
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
             const auto& protocols = *static_cast<const ns1__Protocols*>(value);
             if (protocols.ns1__ControlProtocol_.size() != 1)
                 return std::string("protocols: ") +
                        std::to_string(protocols.ns1__ControlProtocol_.size());
             const ns1__ControlProtocol& protocol = *protocols.ns1__ControlProtocol_[0];
             std::string text = std::to_string(protocol.ns1__Name);
             if (!protocol.ns1__Invocations_)
                 return text;
             for (const ns1__Invocation* invocation :
                  protocol.ns1__Invocations_->ns1__Invocation_) {
                 text += " " + (invocation->ns1__Command ? *invocation->ns1__Command : "-");
                 if (invocation->ns1__LoggingLevel)
                     text += " " + std::to_string(*invocation->ns1__LoggingLevel);
                 for (const ns1__LoggingOptions option : invocation->ns1__LoggingOption)
                     text += " " + std::to_string(option);
             }
             return text;
         },
         "6 run 1 2 1"},
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
                        "xmlns:ns1=\"urn:example:aux\"");
        InMemoryAnswer engine(element);
        ASSERT_EQ(soap_begin_recv(engine.soap()), SOAP_OK);
        int type = 0;
        const void* decoded = soap_getelement(engine.soap(), nullptr, &type);
        if (decoded == nullptr || type != c.type) {
            ADD_FAILURE() << "error " << engine.soap()->error << ", type " << type;
            continue;
        }
        EXPECT_EQ(c.read(decoded), c.expected);
    }
}

} // namespace
} // namespace kavelin_test
