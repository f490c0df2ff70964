// Every catalogued enumeration against the texts it must know: a missing, extra or misordered
// value, a wrong schema type name or an alias on the wrong table fails here.
#include "binding/SoapContext.h"

#include <gtest/gtest.h>

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
    return "<value xmlns:dd=\"" + NamespaceOf("dd") + "\" xmlns:pwg=\"" + NamespaceOf("pwg") +
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
    std::set<std::string> catalogued;
    for (const std::string name : kBindingEnumerations) {
        if (name.starts_with("dd__") || name.starts_with("pwg__") || name.starts_with("ns1__"))
            catalogued.insert(name);
    }
    std::set<std::string> documented;
    for (const EnumerationCase& enumeration : kEnumerations)
        documented.insert(enumeration.identifier);
    for (const std::string& name : catalogued)
        EXPECT_EQ(documented.count(name), 1u) << name << " is not in the documents";
    for (const std::string& name : documented)
        EXPECT_EQ(catalogued.count(name), 1u) << name << " has no operations in the binding";
}

// Texts at their values both ways, no value beyond the count, and the generic decoder knows
// the type name.
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

} // namespace
} // namespace kavelin_test
