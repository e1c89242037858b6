// The main window's default rectangle, stored state and stored rectangle rules, and column widths.
#include "settings/placement_rules.h"
#include "settings/column_width_rules.h"

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

TEST(CentredDefaultRect, NeverLargerThanTheWorkArea) {
    // At 144 dpi the base units are 12 x 24 here: 1080 x 798 would pass the top of a 1280 x 700
    // work area below a task bar at the top.
    const ScreenRect rect = CentredDefaultRect({0, 40, 1280, 740}, 12, 24);
    EXPECT_EQ(rect, (ScreenRect{100, 40, 1180, 740}));
    const ScreenRect narrow = CentredDefaultRect({0, 0, 600, 1024}, 12, 24);
    EXPECT_EQ(narrow.left, 0);
    EXPECT_EQ(narrow.Width(), 600);
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

TEST(VisiblePartOr, CutsToTheWorkAreaOrFallsBack) {
    const ScreenRect work{0, 0, 1920, 1040};
    const ScreenRect fallback{400, 300, 1400, 900};
    const struct {
        const char* name;
        ScreenRect window;
        ScreenRect expected;
    } cases[] = {
        {"inside stays", {100, 100, 900, 700}, {100, 100, 900, 700}},
        {"whole work area stays", work, work},
        {"huge width from far left is cut", {-30000, 50, 2767, 650}, {0, 50, 1920, 650}},
        {"overhanging right and bottom is cut", {1500, 800, 2300, 1400}, {1500, 800, 1920, 1040}},
        {"too narrow a strip falls back", {-790, 100, 150, 700}, fallback},
        {"exactly the least width is kept", {-640, 100, 160, 700}, {0, 100, 160, 700}},
        {"too low a strip falls back", {100, 950, 900, 1500}, fallback},
        {"wholly off the monitor falls back", {3000, 100, 3800, 700}, fallback},
        {"a small window wholly inside stays", {10, 10, 110, 60}, {10, 10, 110, 60}},
        {"a small window half outside falls back", {-50, 10, 50, 60}, fallback},
        {"an empty window falls back", {10, 10, 10, 60}, fallback},
    };
    for (const auto& c : cases) EXPECT_EQ(VisiblePartOr(c.window, work, fallback), c.expected) << c.name;
    // A monitor left of the primary one has negative coordinates.
    EXPECT_EQ(VisiblePartOr({-2000, 0, -100, 600}, {-1920, 0, 0, 1040}, fallback), (ScreenRect{-1920, 0, -100, 600}));
}

TEST(ColumnWidth, StoredAndShownWidthsStayWithinReach) {
    const struct {
        std::uint32_t stored;
        int width;
    } cases[] = {
        {200, 200},
        {0, kMinColumnWidth},
        {1, kMinColumnWidth},
        {kMinColumnWidth, kMinColumnWidth},
        {40000, kMaxColumnWidth},
        {kMaxColumnWidth, kMaxColumnWidth},
        {0x7fffffffu, kMaxColumnWidth},
        {0x80000000u, kMinColumnWidth},
        {0xffffffffu, kMinColumnWidth},
    };
    for (const auto& c : cases) EXPECT_EQ(ColumnWidthFromStored(c.stored), c.width) << c.stored;
    EXPECT_EQ(ClampColumnWidth(-5), kMinColumnWidth) << "a failed width query";
    EXPECT_EQ(ClampColumnWidth(std::int64_t{1} << 40), kMaxColumnWidth);
}

}  // namespace
