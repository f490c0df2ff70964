// The base service's enumerations as text: every name both ways, numbers outside the tables
// kept as numbers, and other text refused with the type error.
#include "binding/SoapContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kavelin_test {
namespace {

// One enumeration's conversions, and its names in value order.
struct Enumeration {
    const char* type;
    EnumerationText text;
    std::vector<const char*> names;
};

#define KV_ENUMERATION(Type, ...)                                                                  \
    Enumeration {                                                                                  \
#Type, KV_ENUMERATION_TEXT(Type), {                                                        \
            __VA_ARGS__                                                                            \
        }                                                                                          \
    }

const std::vector<Enumeration> kEnumerations = {
    KV_ENUMERATION(bsi__FaultReasonDescriptor_USCOREt, "InternalError", "ServiceStarting",
                   "ServiceStopping", "SOEError", "InvalidParameter", "InvalidSessionID",
                   "AuthorizationFailed", "AuthenticationFailed", "InvalidRole",
                   "LanguageNotSupported", "InvalidState", "NotImplemented", "Unknown"),
    KV_ENUMERATION(bsi__StateDescriptor_USCOREt, "Stopped", "Running", "Unknown"),
    KV_ENUMERATION(bsi__SecurityDescriptor_USCOREt, "None", "UsernamePassword", "SAML",
                   "WSSecurity"),
    KV_ENUMERATION(bsi__DiagResultDescriptor_USCOREt, "Pass", "Marginal", "Fail", "Unsupported"),
    KV_ENUMERATION(bsi__AvailabilityDescriptor_USCOREt, "Normal", "Warning", "AttentionRequired",
                   "Critical", "Unknown"),
    KV_ENUMERATION(bsi__LoadDescriptor_USCOREt, "Idle", "Low", "Normal", "Extreme", "Unknown"),
    KV_ENUMERATION(bsi__SeverityDescriptor_USCOREt, "Debug", "Info", "Warn", "Error", "Fatal"),
    KV_ENUMERATION(bsi__EventReliabilityDescriptor_USCOREt, "NoRetry", "Retry", "PersistentRetry"),
    KV_ENUMERATION(bsi__EventDeliveryDescriptor_USCOREt, "ClientPull", "ServicePush", "Email"),
};

TEST(BaseServiceEnumeration, NamesBothWaysOtherNumbersKeptOtherTextsRefused) {
    struct Case {
        std::string text;
        int status;
        LONG64 value; // -5 where the text leaves the value unchanged
    };
    auto soap = NewSoapContext();
    for (const Enumeration& e : kEnumerations) {
        SCOPED_TRACE(e.type);
        const LONG64 outside = LONG64(e.names.size());
        EXPECT_EQ(e.text.toText(soap.get(), outside), std::to_string(outside));
        EXPECT_STREQ(e.text.toText(soap.get(), -1), "-1");
        std::vector<Case> cases = {
            {std::to_string(outside), SOAP_OK, outside},
            {"1", SOAP_OK, 1},
            {"-4", SOAP_OK, -4},
            {std::string(e.names[0]) + "x", SOAP_TYPE, -5},
            {"unknown", SOAP_TYPE, -5},
            {"", SOAP_TYPE, -5},
            {"2x", SOAP_TYPE, -5},
        };
        for (size_t value = 0; value < e.names.size(); ++value) {
            EXPECT_STREQ(e.text.toText(soap.get(), LONG64(value)), e.names[value]);
            cases.push_back({e.names[value], SOAP_OK, LONG64(value)});
        }
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            LONG64 read = -5;
            soap->error = SOAP_OK;
            EXPECT_EQ(e.text.fromText(soap.get(), c.text.c_str(), &read), c.status);
            EXPECT_EQ(read, c.value);
        }
    }
}

} // namespace
} // namespace kavelin_test
