#include <gtest/gtest.h>

#include "platform/RemoteArray.h"
#include "support/LogCapture.h"

namespace {

TEST(RemoteArray, HoldsCopiesInOrderForTheHostToFree) {
    const std::vector<std::vector<std::string>> lists = {
        {}, {"PowerStateChanged"}, {"b-event", "a-event", "b-event", ""}};
    for (const std::vector<std::string>& names : lists) {
        RemoteArray* array = kavelin::platform::MakeRemoteArray(names);
        ASSERT_NE(array, nullptr);
        ASSERT_EQ(array->mCount, static_cast<int32_t>(names.size()));
        EXPECT_EQ(array->mElements == nullptr, names.empty());
        for (size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(array->mElements[i], names[i]);
        // The host's release; a mismatched allocator shows under the sanitizers.
        delete[] array->mElements;
        delete array;
    }
}

TEST(RemoteArray, InitLogsEachElementInOrder) {
    using kavelin_test::LogLines;
    std::string names[] = {"first", "second", "third"};
    struct LogCase {
        std::string* elements;
        int32_t count;
        LogLines expected;
    };
    const LogCase cases[] = {
        {names,
         3,
         {{3, "Entering RemoteArray::Init()"},
          {4, "RemoteArray::Init() list element is first"},
          {4, "RemoteArray::Init() list element is second"},
          {4, "RemoteArray::Init() list element is third"},
          {3, "Exiting RemoteArray::Init()"}}},
        {names, 0, {{3, "Entering RemoteArray::Init()"}, {3, "Exiting RemoteArray::Init()"}}},
        {nullptr, 3, {{3, "Entering RemoteArray::Init()"}, {3, "Exiting RemoteArray::Init()"}}},
    };
    for (const LogCase& c : cases) {
        kavelin_test::LogCapture capture(4);
        RemoteArray array;
        array.Init(c.elements, c.count);
        EXPECT_EQ(capture.Lines(), c.expected) << c.count;
    }
}

} // namespace
