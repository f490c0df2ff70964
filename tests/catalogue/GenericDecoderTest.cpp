// An answer may carry catalogued objects where no particular type is expected: an unknown
// element with an id is decoded by its type so that references to it resolve, and an element
// the catalogue does not know is skipped without spoiling the rest of the answer.
#include "catalogue/InMemoryAnswer.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace kavelin_test
