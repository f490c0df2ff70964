// How enumerations travel as text: exact texts, numbers inside and outside the table, and the
// qualified-name texts of dd:Units.
#include "catalogue/InMemoryAnswer.h"

#include <gtest/gtest.h>

#include <string>

namespace kavelin_test {
namespace {

struct WriteCase {
    LONG64 value;
    const char* text;
};

TEST(EnumerationText, OnOffWritesItsTextOrItsNumber) {
    const WriteCase cases[] = {{0, "on"}, {1, "off"}, {9, "9"}, {-3, "-3"}};
    InMemoryAnswer engine("");
    for (const WriteCase& c : cases)
        EXPECT_STREQ(soap_dd__OnOff2s(engine.soap(), static_cast<dd__OnOff>(c.value)), c.text);
}

struct ReadCase {
    const char* text;
    int status;
    LONG64 value; // the value after reading; 5 where the text leaves it unchanged
};

TEST(EnumerationText, OnOffReadsTextsAndDecimalNumbers) {
    const ReadCase cases[] = {
        {"on", SOAP_OK, 0},
        {"off", SOAP_OK, 1},
        {"7", SOAP_OK, 7},
        {"-2", SOAP_OK, -2},
        {"On", SOAP_TYPE, 5},
        {"", SOAP_TYPE, 5},
        {"on ", SOAP_TYPE, 5},
        {"7x", SOAP_TYPE, 5},
        {"99999999999", SOAP_TYPE, 5},
        // Numbers are 32-bit: the edges read, one past either edge fails.
        {"2147483647", SOAP_OK, 2147483647},
        {"-2147483648", SOAP_OK, -2147483648LL},
        {"2147483648", SOAP_TYPE, 5},
        {"-2147483649", SOAP_TYPE, 5},
        {"4294967296", SOAP_TYPE, 5},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.text);
        InMemoryAnswer engine("");
        dd__OnOff value = static_cast<dd__OnOff>(5);
        EXPECT_EQ(soap_s2dd__OnOff(engine.soap(), c.text, &value), c.status);
        EXPECT_EQ(value, c.value);
    }
}

TEST(EnumerationText, AbsentTextLeavesTheValue) {
    InMemoryAnswer engine("");
    dd__OnOff value = dd__OnOff__off;
    EXPECT_EQ(soap_s2dd__OnOff(engine.soap(), nullptr, &value), SOAP_OK);
    EXPECT_EQ(value, dd__OnOff__off);
}

TEST(EnumerationText, ExactTextsThatAreNotIdentifiers) {
    struct Case {
        const char* (*toText)(struct soap*, LONG64);
        LONG64 value;
        const char* text;
    };
    const Case cases[] = {
        {[](struct soap* s, LONG64 v) {
             return soap_dd__DefaltIXAXPathType2s(s, dd__DefaltIXAXPathType(v));
         },
         0, "/descendant-or-self::*"},
        {[](struct soap* s, LONG64 v) {
             return soap_dd__EqualityExpressionEnum2s(s, dd__EqualityExpressionEnum(v));
         },
         1, "!="},
        {[](struct soap* s, LONG64 v) {
             return soap_dd__LocationPathAbbrvEnum2s(s, dd__LocationPathAbbrvEnum(v));
         },
         0, "abbrv_@"},
        {[](struct soap* s, LONG64 v) {
             return soap_dd__NumericalExpressionEnum2s(s, dd__NumericalExpressionEnum(v));
         },
         5, "-(unary)"},
        {[](struct soap* s, LONG64 v) { return soap_dd__Category2s(s, dd__Category(v)); }, 4,
         "Device:Consumable"},
        {[](struct soap* s, LONG64 v) {
             return soap_pwg__DocumentFormatWKV2s(s, pwg__DocumentFormatWKV(v));
         },
         11, "text/plain; charset=ISO-8859-1"},
    };
    InMemoryAnswer engine("");
    for (const Case& c : cases)
        EXPECT_STREQ(c.toText(engine.soap(), c.value), c.text);
}

// dd:Units texts are qualified names whose prefix the namespace table does not bind: they read
// as written, whether or not the document binds that prefix.
TEST(EnumerationText, UnitsReadAsQualifiedNames) {
    const ReadCase cases[] = {
        {"enum-1:Hundredths-Millimeter", SOAP_OK, 0},
        {"enum-1:DPI", SOAP_OK, 1},
        {"enum-1:Thousandths-Inch", SOAP_OK, 2},
        {"DPI", SOAP_TYPE, 5},
        {"enum-2:DPI", SOAP_TYPE, 5},
        {"2", SOAP_OK, 2},
    };
    const char* const bindings[] = {"", " xmlns:enum-1=\"urn:units\""};
    for (const char* binding : bindings)
        for (const ReadCase& c : cases) {
            SCOPED_TRACE(std::string(c.text) + binding);
            InMemoryAnswer engine(std::string("<dd:Units xmlns:dd=\"") + NamespaceOf("dd") + "\"" +
                                  binding + ">" + c.text + "</dd:Units>");
            ASSERT_EQ(soap_begin_recv(engine.soap()), SOAP_OK);
            dd__Units value = static_cast<dd__Units>(5);
            const dd__Units* read = soap_in_dd__Units(engine.soap(), "dd:Units", &value, nullptr);
            EXPECT_EQ(engine.soap()->error, c.status);
            EXPECT_EQ(read != nullptr, c.status == SOAP_OK);
            EXPECT_EQ(value, c.value);
        }
}

} // namespace
} // namespace kavelin_test
