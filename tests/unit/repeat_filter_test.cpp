// The rule that merges the shell's step-wise writing of one shortcut into one opening.
#include "tracking/repeat_filter.h"

#include <gtest/gtest.h>

namespace {

constexpr uint64_t kMs = 10'000;  // 100 ns units per millisecond

TEST(RepeatFilter, ARewriteMomentsLaterToTheSameTargetIsTheSameOpening) {
    RepeatFilter filter;
    filter.Remember("a.txt.lnk", "C:\\a.txt", 1000 * kMs);
    EXPECT_TRUE(filter.IsSameOpening("a.txt.lnk", "C:\\a.txt", 1001 * kMs));
    EXPECT_TRUE(filter.IsSameOpening("a.txt.lnk", "C:\\a.txt", 2999 * kMs));
}

TEST(RepeatFilter, AReopeningAfterTwoSecondsIsNew) {
    RepeatFilter filter;
    filter.Remember("a.txt.lnk", "C:\\a.txt", 1000 * kMs);
    EXPECT_FALSE(filter.IsSameOpening("a.txt.lnk", "C:\\a.txt", 3000 * kMs));
}

TEST(RepeatFilter, AnotherTargetOrShortcutIsNew) {
    RepeatFilter filter;
    filter.Remember("a.txt.lnk", "C:\\one\\a.txt", 1000 * kMs);
    EXPECT_FALSE(filter.IsSameOpening("a.txt.lnk", "C:\\two\\a.txt", 1001 * kMs));
    EXPECT_FALSE(filter.IsSameOpening("b.txt.lnk", "C:\\one\\a.txt", 1001 * kMs));
}

TEST(RepeatFilter, RememberingReplacesTheLastOpening) {
    RepeatFilter filter;
    filter.Remember("a.txt.lnk", "C:\\a.txt", 1000 * kMs);
    filter.Remember("a.txt.lnk", "C:\\a.txt", 5000 * kMs);
    EXPECT_FALSE(filter.IsSameOpening("a.txt.lnk", "C:\\a.txt", 1001 * kMs));
    EXPECT_TRUE(filter.IsSameOpening("a.txt.lnk", "C:\\a.txt", 5001 * kMs));
}

TEST(RepeatFilter, ForgetDropsOnlyWhatIsOutsideTheWindow) {
    RepeatFilter filter;
    filter.Remember("old.lnk", "C:\\old.txt", 1000 * kMs);
    filter.Remember("new.lnk", "C:\\new.txt", 4000 * kMs);
    filter.Forget(4500 * kMs);
    EXPECT_FALSE(filter.IsSameOpening("old.lnk", "C:\\old.txt", 1000 * kMs));
    EXPECT_TRUE(filter.IsSameOpening("new.lnk", "C:\\new.txt", 4500 * kMs));
}

}  // namespace
