#include "os/text/Text.h"

#include <gtest/gtest.h>

namespace {

struct RoundTrip {
    const char* name;
    std::string narrow;
    std::u16string wide;
};

TEST(Text, ConvertsWellFormedTextBothWays) {
    const RoundTrip cases[] = {
        {"empty", "", u""},
        {"ascii", "Plain text", u"Plain text"},
        {"two byte",
         "Gr\xC3\xBC\xC3\x9F"
         "e",
         u"Gr\u00FC\u00DFe"},
        {"three byte", "\xE2\x82\xAC 5", u"\u20AC 5"},
        {"either side of three bytes", "\xDF\xBF\xE0\xA0\x80", u"\u07FF\u0800"},
        {"surrogate pair", "\xF0\x9F\x96\xA8", u"\U0001F5A8"},
        {"embedded zero", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
        {"highest", "\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kavelin::os::Utf8ToUtf16(c.narrow), c.wide) << c.name;
        EXPECT_EQ(kavelin::os::Utf16ToUtf8(c.wide), c.narrow) << c.name;
    }
}

TEST(Text, ReplacesMalformedUtf8WithoutLosingTheRest) {
    const struct {
        const char* name;
        std::string narrow;
        std::u16string wide;
    } cases[] = {
        {"lone continuation", "a\x80z", u"a\uFFFDz"},
        {"overlong slash", "\xC0\xAF!", u"\uFFFD\uFFFD!"},
        {"overlong three byte", "\xE0\x9F\xBF", u"\uFFFD\uFFFD\uFFFD"},
        {"truncated at end", "ok\xE2\x82", u"ok\uFFFD"},
        {"truncated before ascii", "\xE2\x82x", u"\uFFFDx"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"invalid lead",
         "\xFF"
         "a",
         u"\uFFFDa"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kavelin::os::Utf8ToUtf16(c.narrow), c.wide) << c.name;
}

TEST(Text, ReplacesUnpairedSurrogates) {
    const struct {
        const char* name;
        std::u16string wide;
        std::string narrow;
    } cases[] = {
        {"lone high at end", u"a\xD800", "a\xEF\xBF\xBD"},
        {"lone low", std::u16string{u'\xDC00', u'b'},
         "\xEF\xBF\xBD"
         "b"},
        {"high then ascii", std::u16string{u'\xD83D', u'x'}, "\xEF\xBF\xBDx"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kavelin::os::Utf16ToUtf8(c.wide), c.narrow) << c.name;
}

TEST(Text, BufferConversionWritesWholeCharactersOnly) {
    const std::u16string wide = u"a\u00E9\u20AC\U0001F5A8";
    const struct {
        size_t size;
        std::string expected;
    } cases[] = {
        {0, ""},
        {1, "a"},
        {2, "a"},
        {3, "a\xC3\xA9"},
        {5, "a\xC3\xA9"},
        {6, "a\xC3\xA9\xE2\x82\xAC"},
        {9, "a\xC3\xA9\xE2\x82\xAC"},
        {10, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x96\xA8"},
    };
    for (const auto& c : cases) {
        char buffer[16] = {};
        const size_t written = kavelin::os::Utf16ToUtf8(wide, buffer, c.size);
        EXPECT_EQ(std::string(buffer, written), c.expected) << c.size;
    }
}

} // namespace
