// The main window's default rectangle, stored state and stored rectangle rules.
#include "settings/placement_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(CentredDefaultRect, DialogUnitsCentredInTheWorkArea) {
    // Base units 8 x 16: 360 * 8 / 4 = 720 wide, 266 * 16 / 8 = 532 high.
    const ScreenRect rect = CentredDefaultRect({0, 0, 1280, 1024}, 8, 16);
    EXPECT_EQ(rect, (ScreenRect{280, 246, 1000, 778}));
}

TEST(CentredDefaultRect, IntegerDivisionAndAnOffsetWorkArea) {
    // 360 * 7 / 4 = 630, 266 * 13 / 8 = 432 (432.25); work area 1001 x 701 from (-1000, 50).
    const ScreenRect rect = CentredDefaultRect({-1000, 50, 1, 751}, 7, 13);
    EXPECT_EQ(rect.Width(), 630);
    EXPECT_EQ(rect.Height(), 432);
    EXPECT_EQ(rect.left, -1000 + 500 - 315);
    EXPECT_EQ(rect.top, 50 + 350 - 216);
}

TEST(WindowStateFromStored, OnlyTwoAndThreeAreSpecial) {
    EXPECT_EQ(WindowStateFromStored(1), WindowState::Normal);
    EXPECT_EQ(WindowStateFromStored(2), WindowState::Minimised);
    EXPECT_EQ(WindowStateFromStored(3), WindowState::Maximised);
    EXPECT_EQ(WindowStateFromStored(0), WindowState::Normal);
    EXPECT_EQ(WindowStateFromStored(4), WindowState::Normal);
    EXPECT_EQ(WindowStateFromStored(0xFFFFFFFF), WindowState::Normal);
}

TEST(StoredRectOr, KeepsAPlausibleRectangle) {
    const ScreenRect fallback{1, 2, 3, 4};
    EXPECT_EQ(StoredRectOr(10, 20, 300, 200, fallback), (ScreenRect{10, 20, 310, 220}));
    // Left of and above the primary monitor, stored in two's complement.
    EXPECT_EQ(StoredRectOr(static_cast<std::uint32_t>(-1200), static_cast<std::uint32_t>(-30), 800, 600, fallback),
              (ScreenRect{-1200, -30, -400, 570}));
}

TEST(StoredRectOr, DamagedValuesGiveTheFallback) {
    const ScreenRect fallback{1, 2, 3, 4};
    EXPECT_EQ(StoredRectOr(10, 20, 0, 200, fallback), fallback);
    EXPECT_EQ(StoredRectOr(10, 20, 300, 0, fallback), fallback);
    EXPECT_EQ(StoredRectOr(10, 20, static_cast<std::uint32_t>(-300), 200, fallback), fallback);
    EXPECT_EQ(StoredRectOr(10, 20, 300, 0x80000000u, fallback), fallback);
    EXPECT_EQ(StoredRectOr(0x7FFFFFFFu, 20, 300, 200, fallback), fallback);
    EXPECT_EQ(StoredRectOr(32000, 20, 1000, 200, fallback), fallback);  // right edge beyond 32767
}

}  // namespace
