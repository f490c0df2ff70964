#include <gtest/gtest.h>

#include "platform/BstrString.h"
#include "platform/StringConversion.h"

namespace {

struct TextPair {
    const char* narrow;
    std::u16string_view wide;
};

// Narrow text is UTF-8 on Linux and the ANSI code page on Windows, so the non-ASCII rows differ.
const TextPair kTexts[] = {
    {"", u""},
    {"session-42", u"session-42"},
#if defined(_WIN32)
    // Code page 1252, the one Wine and western Windows installations use.
    {"gr\xFC\xDF"
     "e",
     u"gr\u00FC\u00DFe"},
    {"\x80 5", u"\u20AC 5"},
#else
    {"gr\xC3\xBC\xC3\x9F"
     "e",
     u"gr\u00FC\u00DFe"},
    {"\xE2\x82\xAC 5", u"\u20AC 5"},
    {"\xE6\x97\xA5\xE6\x9C\xAC", u"\u65E5\u672C"},
    {"\xF0\x9D\x84\x9E clef", u"\U0001D11E clef"},
#endif
};

TEST(StringConversion, NonAsciiTextTravelsBothWays) {
#if defined(_WIN32)
    if (GetACP() != 1252)
        GTEST_SKIP() << "the rows are those of code page 1252";
#endif
    for (const TextPair& pair : kTexts) {
        BSTR wide = kavelin::platform::NarrowToBstr(pair.narrow);
        ASSERT_NE(wide, nullptr) << pair.narrow;
        EXPECT_EQ(std::u16string_view(AsUtf16Text(wide), SysStringLen(wide)), pair.wide)
            << pair.narrow;
        EXPECT_EQ(kavelin::platform::BstrToNarrow(wide), pair.narrow);
        SysFreeString(wide);
    }
}

TEST(StringConversion, NullStaysNullAndEmbeddedZerosSurvive) {
    EXPECT_EQ(kavelin::platform::NarrowToBstr(static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(kavelin::platform::BstrToNarrow(nullptr), "");

    const std::string withZero("a\0b", 3);
    kavelin::platform::BstrString value(withZero);
    EXPECT_EQ(SysStringLen(value.Get()), 3u);
    EXPECT_EQ(value.Narrow(), withZero);
}

TEST(StringConversion, BstrStringFreesWhatItReceives) {
    kavelin::platform::BstrString value("first");
    *value.Receive() = SysAllocString(AsOleText(u"second"));
    EXPECT_EQ(value.Narrow(), "second");
    EXPECT_EQ(*value.Receive(), nullptr);
}

} // namespace
