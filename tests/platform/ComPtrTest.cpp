#include <gtest/gtest.h>

#include "com/LiveObject.h"
#include "kavelin/CPComPtr.h"

namespace {

using kavelin_test::LiveObject;

// A new object whose only reference the holder takes over.
CPComPtr<IUnknown> MakeHeld() {
    CPComPtr<IUnknown> held;
    held.Attach(new LiveObject());
    return held;
}

TEST(ComPtr, EveryHolderKeepsExactlyOneReference) {
    {
        CPComPtr<IUnknown> first = MakeHeld();
        CPComPtr<IUnknown> second(first);
        EXPECT_EQ(LiveObject::alive, 1);
        first.Release();
        EXPECT_FALSE(first);
        EXPECT_EQ(LiveObject::alive, 1);

        CPComPtr<IUnknown> other = MakeHeld();
        EXPECT_EQ(LiveObject::alive, 2);
        // Assignment releases the old object and shares the new one.
        second = other;
        EXPECT_EQ(LiveObject::alive, 1);
        EXPECT_EQ(second.Get(), other.Get());
        other.Release();
        EXPECT_EQ(LiveObject::alive, 1);
    }
    EXPECT_EQ(LiveObject::alive, 0);
}

TEST(ComPtr, SelfAssignmentKeepsTheLastReference) {
    CPComPtr<IUnknown> only = MakeHeld();
    const CPComPtr<IUnknown>& alias = only;
    only = alias;
    ASSERT_TRUE(only);
    EXPECT_EQ(LiveObject::alive, 1);
    EXPECT_EQ(only->AddRef(), 2u);
    only->Release();
    only.Release();
    EXPECT_EQ(LiveObject::alive, 0);
    EXPECT_FALSE(only.Flag());
}

} // namespace
