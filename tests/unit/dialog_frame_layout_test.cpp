// Footer geometry of the common dialog frame with typical and unusual dialog base units.
#include "ui/dialog_frame_layout.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t Base(int x, int y) {
    return static_cast<std::uint32_t>(x) | (static_cast<std::uint32_t>(y) << 16);
}

bool Same(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(FrameLayout, PlacesEverythingFromTheClientEdges) {
    // Base units 8 x 16: DU25v = 50, DU21v = 42, DU20v = 40, DU18v = 36, DU8h = 16, DU9h = 18,
    // DU22h = 44, DU8v = 16.
    const DialogFrameLayout layout = FrameLayout({0, 0, 400, 300}, Base(8, 16), 96);
    EXPECT_TRUE(Same(layout.footer, {0, 250, 400, 300}));
    EXPECT_TRUE(Same(layout.footerLine, {0, 250, 400, 251}));
    EXPECT_EQ(layout.largeIcon, (PixelPoint{18, 16}));
    EXPECT_TRUE(Same(layout.smallIcon, {16, 258, 46, 284}));
    EXPECT_TRUE(Same(layout.helpLink, {44, 264, 104, 284}));
}

TEST(FrameLayout, FollowsAnOffsetClientRectangleAndOtherBaseUnits) {
    // Base units 7 x 13: DU25v = 40, DU21v = 34, DU20v = 32, DU18v = 29, DU8h = 14, DU9h = 15,
    // DU22h = 38, DU8v = 13.
    const DialogFrameLayout layout = FrameLayout({10, 20, 210, 220}, Base(7, 13), 96);
    EXPECT_TRUE(Same(layout.footer, {10, 180, 210, 220}));
    EXPECT_EQ(layout.largeIcon, (PixelPoint{25, 33}));
    EXPECT_TRUE(Same(layout.smallIcon, {24, 186, 54, 212}));
    EXPECT_TRUE(Same(layout.helpLink, {48, 191, 108, 211}));
}

TEST(FrameLayout, SizesTheHelpIconAndLinkForTheDpi) {
    // At 144 dpi with base units 12 x 24 (the font grew too): DU21v = 63, DU20v = 60, DU18v = 54,
    // DU8h = 24, DU22h = 66; the icon box 30 x 24 and the link 60 x 20 are half as large again.
    const DialogFrameLayout layout = FrameLayout({0, 0, 600, 450}, Base(12, 24), 144);
    EXPECT_TRUE(Same(layout.smallIcon, {24, 387, 69, 426}));
    EXPECT_TRUE(Same(layout.helpLink, {66, 396, 156, 426}));
}

TEST(FrameLayout, ALowClientAreaIsAllBand) {
    const DialogFrameLayout layout = FrameLayout({0, 0, 100, 30}, Base(8, 16), 96);
    EXPECT_TRUE(Same(layout.footer, {0, 0, 100, 30}));
    EXPECT_TRUE(Same(layout.footerLine, {0, 0, 100, 1}));
    const DialogFrameLayout empty = FrameLayout({0, 0, 100, 0}, Base(8, 16), 96);
    EXPECT_TRUE(Same(empty.footerLine, {0, 0, 100, 0}));
}

TEST(FooterLineColor, IsTheFaceDarkenedBySevenHundredths) {
    EXPECT_EQ(FooterLineColor(MakeColor(240, 240, 240)), MakeColor(223, 223, 223));  // 240 - 16.8
    EXPECT_EQ(FooterLineColor(kWhite), MakeColor(237, 237, 237));
}

}  // namespace
