// The XPath exception fault carries the device's XPath support as its payload; the fault reader
// must hand it over decoded, choice items included.
#include "catalogue/InMemoryAnswer.h"

#include <gtest/gtest.h>

#include <string>

namespace kavelin::catalogue_test {
namespace {

std::string FaultAnswer(const std::string& detail) {
    return "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:ixaget=\"" +
           NamespaceOf("ixaget") + "\" xmlns:dd=\"" + NamespaceOf("dd") +
           "\"><SOAP-ENV:Body><SOAP-ENV:Fault><faultcode>SOAP-ENV:Client</faultcode>"
           "<faultstring>XPath not supported</faultstring><detail>" +
           detail + "</detail></SOAP-ENV:Fault></SOAP-ENV:Body></SOAP-ENV:Envelope>";
}

const char* const kException =
    "<ixaget:XPathException><Reason>InvalidParameter</Reason><Severity>Error</Severity>"
    "<Sequence>3</Sequence><Cleared>false</Cleared><Payload><XPathExpressionSupport_t>"
    "<dd:XPathVersionSupport>1.0</dd:XPathVersionSupport>"
    "<dd:DefaltIXAXPathType>/descendant-or-self::*</dd:DefaltIXAXPathType>"
    "<dd:AxisEnum>child</dd:AxisEnum><dd:AxisEnum>attribute</dd:AxisEnum>"
    "<dd:StringFuncEnum>contains</dd:StringFuncEnum>"
    "</XPathExpressionSupport_t></Payload></ixaget:XPathException>";

// Reads the answer the way a client operation does: the expected response is not there, so
// the Body goes to the fault reader.
int ReadFault(struct soap* soap) {
    if (soap_begin_recv(soap) || soap_envelope_begin_in(soap) || soap_recv_header(soap) ||
        soap_body_begin_in(soap))
        return soap->error;
    _ixagd__GetDataResponse response;
    if (soap_get__ixagd__GetDataResponse(soap, &response, "ixagd:GetDataResponse", nullptr))
        return SOAP_OK;
    return soap_recv_fault_in_body(soap);
}

// The detail's literal XML keeps the element but not the namespace bindings made above it.
std::string DetailDocument(const char* literal) {
    return "<detail xmlns:ixaget=\"" + NamespaceOf("ixaget") + "\" xmlns:dd=\"" +
           NamespaceOf("dd") + "\">" + literal + "</detail>";
}

TEST(XPathFaultDetail, PayloadDecodesFromTheFaultReadersDetail) {
    InMemoryAnswer engine(FaultAnswer(kException));
    EXPECT_EQ(ReadFault(engine.soap()), SOAP_CLI_FAULT);
    ASSERT_NE(engine.soap()->fault, nullptr);
    ASSERT_NE(engine.soap()->fault->detail, nullptr);
    // The binding declares no element for the detail, so the fault reader keeps it as literal
    // XML; the exception's own reader decodes it from there.
    const SOAP_ENV__Detail& detail = *engine.soap()->fault->detail;
    ASSERT_NE(detail.__any, nullptr);
    InMemoryAnswer detailEngine(DetailDocument(detail.__any));
    ASSERT_EQ(soap_begin_recv(detailEngine.soap()), SOAP_OK);
    ASSERT_EQ(soap_element_begin_in(detailEngine.soap(), "detail", 0, nullptr), SOAP_OK);
    ixa__XPathException_USCOREt decoded;
    const ixa__XPathException_USCOREt* exception = soap_get_ixa__XPathException_USCOREt(
        detailEngine.soap(), &decoded, "ixaget:XPathException", nullptr);
    ASSERT_NE(exception, nullptr) << detailEngine.soap()->error;
    EXPECT_EQ(exception->Sequence, 3u);
    ASSERT_NE(exception->Payload, nullptr);
    const dd__XPathExpressionSupport_t* support =
        exception->Payload->XPathExpressionSupport_USCOREt;
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

} // namespace
} // namespace kavelin::catalogue_test
