// The owned-handle template closes each handle exactly once and moves ownership cleanly.
#include "framework/unique_handle.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<int, int> closed;

struct FakeTraits {
    using Handle = int;
    static int Invalid() { return -1; }
    static bool IsValid(int h) { return h != -1 && h != 0; }  // two invalid values
    static void Close(int h) { ++closed[h]; }
};

using Fake = UniqueHandle<FakeTraits>;

class UniqueHandleTest : public testing::Test {
protected:
    void SetUp() override { closed.clear(); }
};

TEST_F(UniqueHandleTest, ClosesOnceAtScopeEnd) {
    { Fake h(7); EXPECT_TRUE(h); }
    EXPECT_EQ(closed[7], 1);
}

TEST_F(UniqueHandleTest, MoveEmptiesTheSource) {
    Fake a(3);
    Fake b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.get(), 3);
    Fake c;
    c = std::move(b);
    EXPECT_FALSE(b);
    EXPECT_EQ(closed.count(3), 0u);
    c.reset();
    EXPECT_EQ(closed[3], 1);
}

TEST_F(UniqueHandleTest, MoveAssignmentClosesTheOldTarget) {
    Fake a(1), b(2);
    b = std::move(a);
    EXPECT_EQ(closed[2], 1);
    EXPECT_EQ(b.get(), 1);
}

TEST_F(UniqueHandleTest, PutFreesTheOldValueFirst) {
    Fake h(4);
    *h.put() = 5;
    EXPECT_EQ(closed[4], 1);
    EXPECT_EQ(h.get(), 5);
}

TEST_F(UniqueHandleTest, ReleaseGivesUpOwnership) {
    Fake h(6);
    EXPECT_EQ(h.release(), 6);
    EXPECT_FALSE(h);
    EXPECT_TRUE(closed.empty());
}

TEST_F(UniqueHandleTest, EveryInvalidValueIsNeverClosed) {
    { Fake zero(0); Fake none; EXPECT_FALSE(zero); EXPECT_FALSE(none); }
    EXPECT_TRUE(closed.empty());
}

}  // namespace
