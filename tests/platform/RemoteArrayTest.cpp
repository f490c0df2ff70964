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
    std::string names[] = {"first", "second", "third"};
    for (const auto& [elements, count] :
         {std::pair<std::string*, int32_t>{names, 3}, {names, 0}, {nullptr, 3}}) {
        kavelin_test::LogCapture capture(4);
        RemoteArray array;
        array.Init(elements, count);
        kavelin_test::LogLines expected = {{3, "Entering RemoteArray::Init()"}};
        for (int32_t i = 0; elements != nullptr && i < count; ++i)
            expected.emplace_back(4, "RemoteArray::Init() list element is " + names[i]);
        expected.emplace_back(3, "Exiting RemoteArray::Init()");
        EXPECT_EQ(capture.Lines(), expected) << count;
    }
}

} // namespace
