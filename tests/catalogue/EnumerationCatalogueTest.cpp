// Every enumeration against the texts it must know: a missing, extra or misordered value, a
// wrong schema type name or an alias on the wrong table fails here, as does a number that does
// not read as itself, another text that is not refused, or a dd:Units text not read as the
// qualified name it is.
#include "binding/SoapContext.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kavelin_test {
namespace {

struct EnumerationCase {
    const char* identifier;
    const char* typeName;
    int count;
    int typeId;
    EnumerationText text;
    std::vector<std::pair<LONG64, std::string>> samples;
};

#define CATALOGUE_ENUMERATION(Type, name, count, ...)                                              \
    EnumerationCase{#Type, name, count, SOAP_TYPE_##Type, KV_ENUMERATION_TEXT(Type), __VA_ARGS__},

const EnumerationCase kEnumerations[] = {
#include "catalogue/EnumerationTable.inc"
};

#undef CATALOGUE_ENUMERATION

// The engine's reader does not take a bare '>' in content either.
std::string Escaped(const std::string& text) {
    std::string escaped;
    for (char c : text)
        escaped += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    return escaped;
}

// An element typed only by its xsi:type, as the generic decoder meets it.
std::string TypedElement(const char* typeName, const std::string& text) {
    return "<value xmlns:bsi=\"" + NamespaceOf("bsi") + "\" xmlns:dd=\"" + NamespaceOf("dd") +
           "\" xmlns:pwg=\"" + NamespaceOf("pwg") +
           "\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:type=\"" + typeName +
           "\">" + Escaped(text) + "</value>";
}

// Every enumeration and alias the binding has operations for, as its headers declare them.
const char* const kBindingEnumerations[] = {
#define ENUMERATION_TYPE(Type) #Type,
#include "EnumerationTypes.inc"
#undef ENUMERATION_TYPE
};

TEST(EnumerationCatalogue, HoldsEveryEnumerationAndAliasOfTheDocuments) {
    const std::set<std::string> catalogued(std::begin(kBindingEnumerations),
                                           std::end(kBindingEnumerations));
    std::set<std::string> documented;
    for (const EnumerationCase& enumeration : kEnumerations)
        documented.insert(enumeration.identifier);
    for (const std::string& name : catalogued)
        EXPECT_EQ(documented.count(name), 1u) << name << " is not in the documents";
    for (const std::string& name : documented)
        EXPECT_EQ(catalogued.count(name), 1u) << name << " has no operations in the binding";
}

// Texts at their values both ways, no value beyond the count, numbers as themselves and other
// texts refused, and the generic decoder knows the type name.
TEST(EnumerationCatalogue, TextsSitAtTheirValuesAndTheTypeNameDecodes) {
    InMemoryAnswer engine("");
    for (const EnumerationCase& enumeration : kEnumerations) {
        SCOPED_TRACE(enumeration.typeName);
        for (const auto& [value, text] : enumeration.samples) {
            EXPECT_EQ(enumeration.text.toText(engine.soap(), value), text);
            LONG64 decoded = -1;
            EXPECT_EQ(enumeration.text.fromText(engine.soap(), text.c_str(), &decoded), SOAP_OK);
            EXPECT_EQ(decoded, value) << text;
        }
        EXPECT_EQ(enumeration.text.toText(engine.soap(), enumeration.count),
                  std::to_string(enumeration.count));
        EXPECT_STRNE(enumeration.text.toText(engine.soap(), enumeration.count - 1),
                     std::to_string(enumeration.count - 1).c_str());
        EXPECT_STREQ(enumeration.text.toText(engine.soap(), -1), "-1");
        // Decimal numbers read as themselves while they fit 32 bits; any other text (in another
        // case, with a space or letter more, a number too large) is refused and, like an absent
        // text, changes nothing.
        const std::string& first = enumeration.samples[0].second;
        std::string otherCase = first;
        for (char& c : otherCase)
            c = static_cast<char>(std::islower(static_cast<unsigned char>(c)) ? std::toupper(c)
                                                                              : std::tolower(c));
        // dd:Units' reader collapses white space, as the qualified names of its texts do.
        const std::string spaced =
            std::string(enumeration.typeName) == "dd:Units" ? "" : first + " ";
        const std::string lettered = first + "x";
        // The value read (-5 before); -6 where the text is refused with the type error and the
        // value left as it was.
        const auto read = [&](const char* text) {
            LONG64 value = -5;
            engine.soap()->error = SOAP_OK;
            const int status = enumeration.text.fromText(engine.soap(), text, &value);
            return status == SOAP_OK ? value : status == SOAP_TYPE && value == -5 ? -6 : -7;
        };
        const LONG64 numbers[] = {enumeration.count, -4, 2147483647, -2147483648LL};
        for (const LONG64 number : numbers)
            EXPECT_EQ(read(std::to_string(number).c_str()), number);
        EXPECT_EQ(read(nullptr), -5);
        for (const char* text : {spaced.c_str(), lettered.c_str(), otherCase.c_str(), "", "2x",
                                 "2147483648", "-2147483649", "4294967296", "99999999999"}) {
            EXPECT_EQ(read(text), text == first ? enumeration.samples[0].first : -6) << text;
        }
        // The auxiliary prefix has no namespace row, so no input name in it can be matched.
        if (std::string(enumeration.typeName).starts_with("ns1:"))
            continue;
        const auto& [value, text] = enumeration.samples.back();
        InMemoryAnswer typed(TypedElement(enumeration.typeName, text));
        int type = 0;
        const void* decoded = typed.Element(&type);
        ASSERT_NE(decoded, nullptr) << typed.soap()->error;
        EXPECT_EQ(type, enumeration.typeId);
        EXPECT_EQ(*static_cast<const LONG64*>(decoded), value);
    }
}

// dd:Units texts are qualified names whose prefix the namespace table does not bind: they read
// as written, whether or not the document binds that prefix.
TEST(EnumerationText, UnitsReadAsQualifiedNames) {
    // "text value" rows; "-" where the text is refused and leaves the value (5) unchanged.
    const std::string rows =
        "enum-1:Hundredths-Millimeter 0;enum-1:DPI 1;enum-1:Thousandths-Inch 2;"
        "DPI -;enum-2:DPI -;2 2;";
    for (const char* binding : {"", " xmlns:enum-1=\"urn:units\""})
        for (size_t at = 0, end; (end = rows.find(';', at)) != std::string::npos; at = end + 1) {
            const std::string row = rows.substr(at, end - at);
            SCOPED_TRACE(row + binding);
            const std::string text = row.substr(0, row.find(' '));
            const bool refused = row.back() == '-';
            InMemoryAnswer engine(std::string("<dd:Units xmlns:dd=\"") + NamespaceOf("dd") + "\"" +
                                  binding + ">" + text + "</dd:Units>");
            ASSERT_EQ(soap_begin_recv(engine.soap()), SOAP_OK);
            dd__Units value = static_cast<dd__Units>(5);
            const dd__Units* read = soap_in_dd__Units(engine.soap(), "dd:Units", &value, nullptr);
            EXPECT_EQ(engine.soap()->error, refused ? SOAP_TYPE : SOAP_OK);
            EXPECT_EQ(read != nullptr, !refused);
            EXPECT_EQ(value, refused ? 5 : row.back() - '0');
        }
}

} // namespace
} // namespace kavelin_test
