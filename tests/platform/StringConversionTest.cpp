#include <gtest/gtest.h>

#include <tuple>

#include "platform/BstrString.h"
#include "platform/StringConversion.h"
#include "platform/VisibleText.h"

namespace {

// Narrow text is UTF-8 on Linux and the ANSI code page on Windows, so the non-ASCII rows differ.
const struct TextPair {
    const char* narrow;
    std::u16string_view wide;
} kTexts[] = {
    {"", u""},
    {"session-42", u"session-42"},
#if defined(_WIN32)
    // Code page 1252, the one Wine and western Windows installations use.
    {"gr\xFC\xDF\x65", u"gr\u00FC\u00DFe"},
    {"\x80 5", u"\u20AC 5"},
#else
    {"gr\xC3\xBC\xC3\x9F\x65", u"gr\u00FC\u00DFe"},
    {"\xE2\x82\xAC 5", u"\u20AC 5"},
    {"\xE6\x97\xA5\xE6\x9C\xAC", u"\u65E5\u672C"},
    {"\xDF\xBF\xE0\xA0\x80", u"\u07FF\u0800"},
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

TEST(StringConversion, NullStaysNullAndBstrStringKeepsZerosAndFreesWhatItReceives) {
    EXPECT_EQ(kavelin::platform::NarrowToBstr(static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(kavelin::platform::BstrToNarrow(nullptr), "");
#if !defined(_WIN32)
    // An overlong sequence is no text: each of its bytes becomes a replacement character.
    const kavelin::platform::BstrString overlong("\xE0\x80\x80");
    EXPECT_EQ(std::u16string_view(AsUtf16Text(overlong.Get()), SysStringLen(overlong.Get())),
              u"\uFFFD\uFFFD\uFFFD");
#endif

    const std::string withZero("a\0b", 3);
    kavelin::platform::BstrString value(withZero);
    EXPECT_EQ(SysStringLen(value.Get()), 3u);
    EXPECT_EQ(value.Narrow(), withZero);
    *value.Receive() = SysAllocString(AsOleText(u"second"));
    EXPECT_EQ(value.Narrow(), "second");
    EXPECT_EQ(*value.Receive(), nullptr);
}

// Text from outside cannot drive a terminal or start a line; a cut never splits a character.
TEST(VisibleText, ControlsBecomeEscapesAndTheLimitCutsWhole) {
    // The text, the limit and the visible form.
    using Row = std::tuple<std::string_view, std::size_t, std::string_view>;
    const Row rows[] = {
        {"plain\ttext caf\xC3\xA9", std::string::npos, "plain\ttext caf\xC3\xA9"},
        {"\x1b[2J\r\n\x7f", std::string::npos, "\\x1b[2J\\r\\n\\x7f"},
        {"\x1b]52;c;aGk=\x07", std::string::npos, "\\x1b]52;c;aGk=\\x07"},
        {"a\xC2\x9B\x31m\xC2\xA0", std::string::npos, "a\\u009b1m\xC2\xA0"},
        {std::string_view("z\0z", 3), std::string::npos, "z\\x00z"},
        {"abcdef", 4, "abcd\xE2\x80\xA6"},
        {"ab\xE6\x97\xA5", 4, "ab\xE2\x80\xA6"},
        {"ab\n", 3, "ab\xE2\x80\xA6"},
    };
    for (const auto& [text, limit, visible] : rows)
        EXPECT_EQ(kavelin::platform::VisibleText(text, limit), visible) << text;
}

} // namespace
