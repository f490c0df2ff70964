// How enumerations travel as text: exact texts, numbers inside and outside the table, and the
// qualified-name texts of dd:Units.
#include "binding/SoapContext.h"

#include <gtest/gtest.h>

#include <string>

namespace kavelin_test {
namespace {

struct ReadCase {
    const char* text;
    int status;
    LONG64 value; // the value after reading; 5 where the text leaves it unchanged
};

// A text that reads is also what the value writes as: a name inside the table, the decimal
// number outside it.
TEST(EnumerationText, OnOffReadsTextsAndDecimalNumbersAndWritesThemBack) {
    const ReadCase cases[] = {
        {"on", SOAP_OK, 0},
        {"off", SOAP_OK, 1},
        {"7", SOAP_OK, 7},
        {"-2", SOAP_OK, -2},
        {nullptr, SOAP_OK, 5}, // an absent text
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
        SCOPED_TRACE(c.text ? c.text : "(absent)");
        InMemoryAnswer engine("");
        dd__OnOff value = static_cast<dd__OnOff>(5);
        EXPECT_EQ(soap_s2dd__OnOff(engine.soap(), c.text, &value), c.status);
        EXPECT_EQ(value, c.value);
        if (c.status == SOAP_OK && c.text) {
            EXPECT_STREQ(soap_dd__OnOff2s(engine.soap(), value), c.text);
        }
    }
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
