// The fault reader hands a fault's detail over decoded: the XPath exception with the device's
// XPath support as its payload, choice items included, and the base service's fault details.
#include "catalogue/InMemoryAnswer.h"

#include <gtest/gtest.h>

#include <string>

namespace kavelin_test {
namespace {

std::string FaultAnswer(const std::string& detail) {
    return "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:ixaget=\"" +
           NamespaceOf("ixaget") + "\" xmlns:dd=\"" + NamespaceOf("dd") + "\" xmlns:bsi=\"" +
           NamespaceOf("bsi") +
           "\" "
           "xmlns:xsi=\"http://www.w3.org/2001/"
           "XMLSchema-instance\"><SOAP-ENV:Body><SOAP-ENV:Fault><faultcode>SOAP-ENV:Client</"
           "faultcode>"
           "<faultstring>XPath not supported</faultstring><detail>" +
           detail + "</detail></SOAP-ENV:Fault></SOAP-ENV:Body></SOAP-ENV:Envelope>";
}

const char* const kSupport = "<dd:XPathVersionSupport>1.0</dd:XPathVersionSupport>"
                             "<dd:DefaltIXAXPathType>/descendant-or-self::*</dd:DefaltIXAXPathType>"
                             "<dd:AxisEnum>child</dd:AxisEnum><dd:AxisEnum>attribute</dd:AxisEnum>"
                             "<dd:StringFuncEnum>contains</dd:StringFuncEnum>";

std::string Exception(const std::string& payload) {
    return "<ixaget:XPathException><Reason>InvalidParameter</Reason><Severity>Error</Severity>"
           "<Sequence>3</Sequence><Cleared>false</Cleared><Payload>" +
           payload + "</Payload></ixaget:XPathException>";
}

// Reads the answer the way a client operation does: the expected response is not there, so
// the Body goes to the fault reader.
int ReadFault(struct soap* soap) {
    if (soap_begin_recv(soap) || soap_envelope_begin_in(soap) || soap_recv_header(soap) ||
        soap_body_begin_in(soap))
        return soap->error;
    _ixagd__GetDataResponse response;
    if (soap_get__ixagd__GetDataResponse(soap, &response, "ixagd:GetDataResponse", nullptr))
        return SOAP_OK;
    return kavelin::binding::ReadFaultInBody(soap);
}

const SOAP_ENV__Detail* DetailOf(struct soap* soap) {
    return soap->fault ? soap->fault->detail : nullptr;
}

void ExpectReportedSupport(const dd__XPathExpressionSupport_USCOREt* support) {
    ASSERT_NE(support, nullptr);
    EXPECT_EQ(support->dd__DefaltIXAXPathType_,
              dd__DefaltIXAXPathType___x002fdescendant_x002dor_x002dself_x003a_x003a_x002a);
    ASSERT_EQ(support->__size_XPathFeature, 3);
    EXPECT_EQ(support->__XPathFeature[1].union_XPathFeature.dd__AxisEnum,
              dd__AxisEnumType__attribute);
    EXPECT_EQ(support->__XPathFeature[2].__union_XPathFeature,
              SOAP_UNION__dd__XPathFeature_dd__StringFuncEnum_);
    EXPECT_EQ(support->__XPathFeature[2].union_XPathFeature.dd__StringFuncEnum_,
              dd__StringFuncEnum__contains);
}

TEST(XPathFaultDetail, FaultReaderDecodesTheExceptionAndItsPayload) {
    // The payload inline, as a reference to a support element that follows it, and as one to
    // an unexpected element before it, typed by its xsi:type.
    const std::string details[] = {
        Exception(std::string("<XPathExpressionSupport_t>") + kSupport +
                  "</XPathExpressionSupport_t>"),
        Exception(std::string("<XPathExpressionSupport_t href=\"#s1\"/>"
                              "<dd:XPathExpressionSupport_t id=\"s1\">") +
                  kSupport + "</dd:XPathExpressionSupport_t>"),
        Exception(
            std::string("<dd:Capabilities id=\"s2\" xsi:type=\"dd:XPathExpressionSupport_t\">") +
            kSupport + "</dd:Capabilities><XPathExpressionSupport_t href=\"#s2\"/>"),
    };
    for (const std::string& detail : details) {
        SCOPED_TRACE(detail);
        InMemoryAnswer engine(FaultAnswer(detail));
        EXPECT_EQ(ReadFault(engine.soap()), SOAP_CLI_FAULT);
        const SOAP_ENV__Detail* read = DetailOf(engine.soap());
        ASSERT_NE(read, nullptr);
        ASSERT_EQ(read->__type, SOAP_TYPE__ixaget__XPathException);
        const auto* exception = static_cast<const ixa__XPathException_USCOREt*>(read->fault);
        ASSERT_NE(exception, nullptr);
        EXPECT_EQ(exception->Reason, bsi__FaultReasonDescriptor_USCOREt__InvalidParameter);
        EXPECT_EQ(exception->Sequence, 3u);
        ASSERT_NE(exception->Payload, nullptr);
        ExpectReportedSupport(exception->Payload->XPathExpressionSupport_USCOREt);
    }
}

TEST(XPathFaultDetail, FaultReaderDecodesEveryDeclaredDetail) {
    struct Case {
        const char* element;
        int type;
    };
    const Case cases[] = {
        {"ixaget:XPathError", SOAP_TYPE__ixaget__XPathError},
        {"bsi:SessionException", SOAP_TYPE__bsi__SessionException},
        {"bsi:ServiceException", SOAP_TYPE__bsi__ServiceException},
        {"bsi:ServiceBusy", SOAP_TYPE__bsi__ServiceBusy},
        {"bsi:SecurityException", SOAP_TYPE__bsi__SecurityException},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.element);
        // The XPath error's members are unqualified, the base service's are qualified.
        const bool bsi = std::string(c.element).rfind("bsi:", 0) == 0;
        const std::string sequence =
            bsi ? "<bsi:Sequence>9</bsi:Sequence>" : "<Sequence>9</Sequence>";
        InMemoryAnswer engine(
            FaultAnswer(std::string("<") + c.element + ">" + sequence + "</" + c.element + ">"));
        EXPECT_EQ(ReadFault(engine.soap()), SOAP_CLI_FAULT);
        const SOAP_ENV__Detail* read = DetailOf(engine.soap());
        ASSERT_NE(read, nullptr);
        ASSERT_EQ(read->__type, c.type);
        ASSERT_NE(read->fault, nullptr);
        const ULONG64 decoded =
            bsi ? static_cast<const bsi__FaultDetails_USCOREt*>(read->fault)->bsi__Sequence
                : static_cast<const ixa__XPathError_USCOREt*>(read->fault)->Sequence;
        EXPECT_EQ(decoded, 9u);
    }
}

} // namespace
} // namespace kavelin_test
