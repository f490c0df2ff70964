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
        first.Release();
        EXPECT_FALSE(first);
        EXPECT_EQ(LiveObject::alive, 1);

        CPComPtr<IUnknown> other = MakeHeld();
        // Assignment releases the old object and shares the new one.
        second = other;
        EXPECT_EQ(LiveObject::alive, 1);
        EXPECT_EQ(second.Get(), other.Get());
        other.Release();
        EXPECT_EQ(LiveObject::alive, 1);

        // Assigning the holder to itself keeps its one reference.
        const CPComPtr<IUnknown>& alias = second;
        second = alias;
        ASSERT_TRUE(second);
        EXPECT_EQ(second->AddRef(), 2u);
        second->Release();
    }
    EXPECT_EQ(LiveObject::alive, 0);
}

} // namespace
