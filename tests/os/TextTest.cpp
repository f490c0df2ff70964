#include "os/text/Text.h"

#include <gtest/gtest.h>

namespace {

enum Direction { Both, ToWide, ToNarrow };

// Well-formed text converts both ways; malformed UTF-8 and unpaired surrogates become
// U+FFFD without losing what follows.
TEST(Text, ConvertsAndReplacesWhatIsMalformed) {
    const struct {
        const char* name;
        std::string narrow;
        std::u16string wide;
        Direction direction;
    } cases[] = {
        {"empty", "", u"", Both},
        {"ascii", "Plain text", u"Plain text", Both},
        {"two byte", "Gr\xC3\xBC\xC3\x9F", u"Gr\u00FC\u00DF", Both},
        {"lowest three byte", "\xE0\xA0\x80", u"\u0800", Both},
        {"three byte", "\xE2\x82\xAC 5", u"\u20AC 5", Both},
        {"surrogate pair", "\xF0\x9F\x96\xA8", u"\U0001F5A8", Both},
        {"embedded zero", std::string("a\0b", 3), std::u16string(u"a\0b", 3), Both},
        {"highest", "\xF4\x8F\xBF\xBF", u"\U0010FFFF", Both},
        {"lone continuation", "a\x80z", u"a\uFFFDz", ToWide},
        {"overlong slash", "\xC0\xAF!", u"\uFFFD\uFFFD!", ToWide},
        {"overlong three byte", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD", ToWide},
        {"truncated at end", "ok\xE2\x82", u"ok\uFFFD", ToWide},
        {"truncated before ascii", "\xE2\x82x", u"\uFFFDx", ToWide},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD", ToWide},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD", ToWide},
        {"invalid lead", "\xFF!", u"\uFFFD!", ToWide},
        {"lone high at end", "a\xEF\xBF\xBD", u"a\xD800", ToNarrow},
        {"lone low", "\xEF\xBF\xBD!", std::u16string{u'\xDC00', u'!'}, ToNarrow},
        {"high then ascii", "\xEF\xBF\xBDx", std::u16string{u'\xD83D', u'x'}, ToNarrow},
    };
    for (const auto& c : cases) {
        if (c.direction != ToNarrow) {
            EXPECT_EQ(kavelin::os::Utf8ToUtf16(c.narrow), c.wide) << c.name;
        }
        if (c.direction != ToWide) {
            EXPECT_EQ(kavelin::os::Utf16ToUtf8(c.wide), c.narrow) << c.name;
        }
    }
}

TEST(Text, BufferConversionWritesWholeCharactersOnly) {
    const std::u16string wide = u"a\u00E9\u20AC\U0001F5A8";
    const std::string narrow = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x96\xA8";
    // (buffer size, bytes of the text written)
    const std::pair<size_t, size_t> cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 3},
                                               {5, 3}, {6, 6}, {9, 6}, {10, 10}};
    for (const auto& [size, written] : cases) {
        char buffer[16] = {};
        EXPECT_EQ(std::string(buffer, kavelin::os::Utf16ToUtf8(wide, buffer, size)),
                  narrow.substr(0, written))
            << size;
    }
}

} // namespace
