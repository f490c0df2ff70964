#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "kavelin/ComBstr.h"
#include "platform/CPWStringBuffer.h"
#include "support/LogCapture.h"

namespace {

// The growth rule for a text of each length: block size and where the centred text starts.
const struct CapacityCase {
    uint32_t length;
    uint32_t capacity;
    uint32_t offset;
} kCapacities[] = {
    {0, 32, 16},     {10, 32, 11},    {17, 34, 8},       {100, 200, 50},
    {255, 510, 127}, {256, 512, 128}, {1000, 1407, 203}, {10000, 10499, 249},
};

TEST(WideBuffer, CentresEachTextInTheBlockTheGrowthRuleGives) {
    for (const CapacityCase& c : kCapacities) {
        const std::u16string text(c.length, u'x');
        CPWStringBuffer buffer(text.c_str(), 0, true);
        EXPECT_EQ(buffer.GetCapacity(), c.capacity) << c.length;
        EXPECT_EQ(buffer.GetOffset(), c.offset) << c.length;
        EXPECT_EQ(buffer.GetString(), buffer.GetRawBuffer() + c.offset);
        EXPECT_EQ(std::u16string(buffer.GetString()), text);
        // The start travels in the block: a zero, then the offset.
        EXPECT_EQ(buffer.GetRawBuffer()[0], 0);
        EXPECT_EQ(buffer.GetRawBuffer()[1], c.offset);

        CPWStringBuffer allocated;
        allocated.Allocate(c.length, true);
        EXPECT_EQ(allocated.GetCapacity(), c.capacity);
        EXPECT_EQ(allocated.GetOffset(), c.offset);
        EXPECT_EQ(allocated.GetLength(), 0u);
    }
}

// The start is either set or found in the block, written there by someone else; either way
// it stays inside the block, and SetOffset never stores 1 (the mark of a plain text).
TEST(WideBuffer, KeepsTheStartInsideTheBlock) {
    // "capacity requested stored" rows: set through SetOffset, then (after "|") found in the block.
    std::istringstream rows("32 0 0;32 1 0;32 2 2;32 31 31;32 100 32;70000 65535 65535;"
                            "70000 70000 65535;2 2 0;|32 20 20;32 32 32;32 33 32;32 65535 32;");
    bool inBlock = false;
    for (std::string row; std::getline(rows, row, ';');) {
        inBlock = inBlock || row[0] == '|';
        uint32_t capacity = 0, requested = 0, stored = 0;
        std::istringstream(row.substr(row[0] == '|')) >> capacity >> requested >> stored;
        CPWStringBuffer buffer;
        ASSERT_NE(buffer.Allocate(capacity, false), nullptr);
        if (inBlock)
            buffer.GetRawBuffer()[1] = static_cast<char16_t>(requested);
        else
            buffer.SetOffset(requested);
        EXPECT_EQ(buffer.GetOffset(), stored) << capacity << "/" << requested;
        EXPECT_EQ(buffer.GetString(), buffer.GetRawBuffer() + stored);
        EXPECT_EQ(buffer.GetLength(), 0u);
        if (stored == 0) {
            EXPECT_EQ(buffer.GetRawBuffer()[1], 0) << "empty text at 0 leaves no offset";
        }
    }
}

TEST(WideBuffer, AssignReusesTheBlockAndErasesToAThird) {
    CPWStringBuffer buffer(u"0123456789", 0, true);
    const char16_t* block = buffer.GetRawBuffer();
    buffer.Assign(u"abc", false);
    EXPECT_EQ(buffer.GetRawBuffer(), block);
    EXPECT_EQ(buffer.GetOffset(), 0u);
    EXPECT_EQ(std::u16string(buffer.GetString()), u"abc");

    buffer.Assign(u"abcdef", true);
    EXPECT_EQ(buffer.GetOffset(), 13u);
    EXPECT_TRUE(buffer.Erase());
    EXPECT_EQ(buffer.GetOffset(), 10u);
    EXPECT_EQ(buffer.GetLength(), 0u);
    EXPECT_FALSE(buffer.Erase());

    // A text longer than the block needs a new one.
    const std::u16string longText(40, u'y');
    buffer.Assign(longText.c_str(), true);
    EXPECT_EQ(buffer.GetCapacity(), 80u);
    EXPECT_EQ(std::u16string(buffer.GetString()), longText);
    // Text taken from its own block.
    buffer.Assign(buffer.GetString() + 37, true);
    EXPECT_EQ(std::u16string(buffer.GetString()), u"yyy");

    // Erasing text at the start of a small block leaves no stray offset.
    CPWStringBuffer small;
    small.Allocate(4, false);
    small.Assign(u"abc", false);
    EXPECT_TRUE(small.Erase());
    EXPECT_EQ(small.GetOffset(), 0u);
    EXPECT_EQ(small.GetLength(), 0u);
}

TEST(WideBuffer, NarrowFormIsCachedWhileItFits) {
    const char fallback[] = "none";
    CPWStringBuffer buffer;
    EXPECT_EQ(buffer.ToNarrow(fallback), fallback);
    EXPECT_EQ(buffer.ToNarrow(nullptr), nullptr);

    // ASCII, so that the narrow form is the same in every code page.
    buffer.Assign(u"strasse", true);
    const char* first = buffer.ToNarrow(nullptr);
    EXPECT_STREQ(first, "strasse");
    // 8 bytes needed record room for 32: texts of up to 30 bytes reuse the copy.
    const std::u16string fits(30, u'a');
    buffer.Assign(fits.c_str(), true);
    const char* second = buffer.ToNarrow(nullptr);
    EXPECT_EQ(second, first);
    EXPECT_EQ(std::string(second), std::string(30, 'a'));

    const std::u16string larger(31, u'b');
    buffer.Assign(larger.c_str(), true);
    EXPECT_EQ(std::string(buffer.ToNarrow(nullptr)), std::string(31, 'b'));

    buffer.Assign(nullptr, true);
    EXPECT_EQ(buffer.ToNarrow(fallback), fallback);
}

TEST(WideBuffer, PropertiesAnswerByIdAndRefuseOthers) {
    CPWStringBuffer buffer(u"0123456789", 0, true);
    const struct PropertyCase {
        int id;
        bool readable;
        bool writable;
    } cases[] = {{-1, false, false}, {0, false, false}, {1, true, false}, {2, true, false},
                 {3, true, false},   {4, true, false},  {5, true, false}, {6, true, true},
                 {7, true, true},    {9, false, false}};
    for (const PropertyCase& c : cases) {
        if (c.readable)
            EXPECT_NO_THROW(buffer.GetProperty(c.id)) << c.id;
        else
            EXPECT_THROW(buffer.GetProperty(c.id), int) << c.id;
        try {
            buffer.SetProperty(c.id, 12);
            EXPECT_TRUE(c.writable) << c.id;
        } catch (int thrown) {
            EXPECT_FALSE(c.writable) << c.id;
            EXPECT_EQ(thrown, -1);
        }
    }
    EXPECT_THROW(buffer.SetProperty(8, 0), int);
}

TEST(WideBuffer, PropertyMembersReachTheirBuffer) {
    CPWStringBuffer buffer(u"0123456789", 0, true);
    EXPECT_EQ(static_cast<uint32_t>(buffer.Length), 10u);
    EXPECT_EQ(static_cast<uint32_t>(buffer.Capacity), 32u);
    EXPECT_EQ(static_cast<char16_t*>(buffer.String), buffer.GetRawBuffer() + 11);
    EXPECT_EQ(static_cast<char16_t*>(buffer.WideString), buffer.GetRawBuffer() + 11);
    buffer.Offset = 20;
    EXPECT_EQ(static_cast<uint32_t>(buffer.Offset), 20u);
    EXPECT_EQ(std::u16string(buffer.GetString()), u"9");

    char16_t* block = buffer.Detach;
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[1], 20);
    EXPECT_EQ(buffer.GetRawBuffer(), nullptr);
    EXPECT_EQ(buffer.GetLength(), 0u);
    EXPECT_EQ(buffer.GetString(), nullptr);
    SysFreeString(AsOleText(block));
}

TEST(WideBuffer, LogsItsInternalsAtLevelSix) {
    kavelin_test::LogLines lines;
    {
        kavelin_test::LogCapture capture(6);
        CPWStringBuffer buffer(u"0123456789", 0, true);
        buffer.Erase();
        lines = capture.Lines();
    }
    ASSERT_EQ(lines.size(), 4u);
    // The block's address varies from run to run.
    lines[1].second = std::regex_replace(lines[1].second, std::regex("mBuffer=[0-9A-F]+ "), "");
    const kavelin_test::LogLines expected = {
        {6, "CPWStringBuffer::SetOffset - mOffset=11"},
        {6, "CPWStringBuffer::Allocate - refsize=10 | | mCapacity=32 | mOffset=11"},
        {6, "CPWStringBuffer::SetOffset - mOffset=11"},
        {6, "CPWStringBuffer::SetOffset - mOffset=10"}};
    EXPECT_EQ(lines, expected);

    kavelin_test::LogCapture quiet(5);
    CPWStringBuffer buffer(u"x", 0, true);
    EXPECT_TRUE(quiet.Lines().empty());
}

} // namespace
