// The base service's enumerations as text: every name both ways, numbers outside the tables
// kept as numbers, and other text refused with the type error.
#include "binding/SoapContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kavelin_test {
namespace {

// One enumeration's conversions over its numeric value, and its names in value order.
struct Enumeration {
    const char* type;
    const char* (*toText)(struct soap*, LONG64);
    int (*fromText)(struct soap*, const char*, LONG64*);
    std::vector<const char*> names;
};

template <typename Enum, const char* (*ToText)(struct soap*, Enum),
          int (*FromText)(struct soap*, const char*, Enum*)>
Enumeration Of(const char* type, std::vector<const char*> names) {
    return {type, [](struct soap* soap, LONG64 value) { return ToText(soap, Enum(value)); },
            [](struct soap* soap, const char* text, LONG64* value) {
                Enum read = Enum(*value);
                const int status = FromText(soap, text, &read);
                *value = read;
                return status;
            },
            std::move(names)};
}

#define KV_ENUMERATION(Type, ...) Of<Type, soap_##Type##2s, soap_s2##Type>(#Type, {__VA_ARGS__})

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

TEST(BaseServiceEnumeration, NamesTravelBothWays) {
    auto soap = NewSoapContext();
    for (const Enumeration& e : kEnumerations)
        for (size_t value = 0; value < e.names.size(); ++value) {
            SCOPED_TRACE(std::string(e.type) + " " + e.names[value]);
            EXPECT_STREQ(e.toText(soap.get(), LONG64(value)), e.names[value]);
            LONG64 read = -5;
            EXPECT_EQ(e.fromText(soap.get(), e.names[value], &read), SOAP_OK);
            EXPECT_EQ(read, LONG64(value));
        }
}

TEST(BaseServiceEnumeration, NumbersOutsideTheTableAreKept) {
    auto soap = NewSoapContext();
    for (const Enumeration& e : kEnumerations) {
        SCOPED_TRACE(e.type);
        const LONG64 outside = LONG64(e.names.size());
        EXPECT_EQ(e.toText(soap.get(), outside), std::to_string(outside));
        EXPECT_STREQ(e.toText(soap.get(), -1), "-1");
        struct Case {
            std::string text;
            int status;
            LONG64 value; // 5 where the text leaves the value unchanged
        };
        const Case cases[] = {
            {std::to_string(outside), SOAP_OK, outside},
            {"1", SOAP_OK, 1},
            {"-4", SOAP_OK, -4},
            {std::string(e.names[0]) + "x", SOAP_TYPE, 5},
            {"unknown", SOAP_TYPE, 5},
            {"", SOAP_TYPE, 5},
            {"2x", SOAP_TYPE, 5},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.text);
            LONG64 read = 5;
            soap->error = SOAP_OK;
            EXPECT_EQ(e.fromText(soap.get(), c.text.c_str(), &read), c.status);
            EXPECT_EQ(read, c.value);
        }
    }
}

} // namespace
} // namespace kavelin_test
