#include <gtest/gtest.h>

#include "kavelin/ComBase.h"

namespace {

TEST(GuidParsing, AcceptsOnlyTheBracedRegistryForm) {
    const GUID expected = {
        0x2AAFB6D9, 0x538B, 0x45A2, {0x85, 0x4E, 0x1C, 0x06, 0x99, 0x06, 0x9F, 0x4E}};
    for (const char* text :
         {"{2AAFB6D9-538B-45A2-854E-1C0699069F4E}", "{2aafb6d9-538b-45a2-854e-1c0699069f4e}"}) {
        GUID parsed{};
        EXPECT_TRUE(kavelin::ParseGuid(std::string_view(text), parsed)) << text;
        EXPECT_TRUE(parsed == expected) << text;
    }
    // A refused text leaves the GUID as it was.
    for (const char* text :
         {"2AAFB6D9-538B-45A2-854E-1C0699069F4E", "{2AAFB6D9-538B-45A2-854E-1C0699069F4E",
          "{2AAFB6D9-538B-45A2-854E1-C0699069F4E}", "{2AAFB6D9-538B-45A2-854E-1C0699069F4G}",
          "{2AAFB6D9+538B-45A2-854E-1C0699069F4E}", "{2AAFB6D9-538B-45A2-854E-1C0699069F4E}x",
          ""}) {
        GUID parsed{};
        EXPECT_FALSE(kavelin::ParseGuid(std::string_view(text), parsed)) << text;
        EXPECT_TRUE(parsed == GUID{}) << text;
    }
}

TEST(GuidParsing, WideFormAndComparisonSeeEveryByte) {
    GUID wide{};
    ASSERT_TRUE(
        kavelin::ParseGuid(std::u16string_view(u"{00020400-0000-0000-C000-000000000046}"), wide));
    EXPECT_TRUE(wide == IID_IDispatch);
    for (int i = 0; i < 8; ++i) {
        GUID changed = wide;
        changed.Data4[i] ^= 1;
        EXPECT_FALSE(changed == wide) << "byte " << i;
    }
}

TEST(Bstr, KeepsItsLengthPrefixAndEmbeddedZeros) {
    const char16_t text[] = {u'a', 0, u'b', u'c'};
    BSTR value = SysAllocStringLen(AsOleText(text), 4);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(SysStringLen(value), 4u);
    EXPECT_EQ(SysStringByteLen(value), 8u);
    EXPECT_EQ(value[2], u'b');
    EXPECT_EQ(value[4], 0);
    SysFreeString(value);

    // Without a source the text is left as it is (Windows does not clear it), but terminated.
    BSTR blank = SysAllocStringLen(nullptr, 3);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(SysStringLen(blank), 3u);
    EXPECT_EQ(blank[3], 0);
    SysFreeString(blank);

    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    SysFreeString(nullptr);
}

} // namespace
