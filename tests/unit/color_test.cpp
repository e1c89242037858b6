// Colour arithmetic: truncation, the factor range, Shade's clamping and the channel layout.
#include "ui/color.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ColorLayout, RedIsTheLowByte) {
    EXPECT_EQ(MakeColor(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(RedOf(kAccentColor), 255);
    EXPECT_EQ(GreenOf(kAccentColor), 0);
    EXPECT_EQ(BlueOf(kAccentColor), 181);
}

TEST(Lighten, TruncatesTowardZero) {
    EXPECT_EQ(Lighten(0x000000, 0.5), 0x7F7F7Fu);  // 127.5 per channel
    // Hand-computed: 10 + 0.85 * 245 = 218.25, 36 + 0.85 * 219 = 222.15, 106 + 0.85 * 149 = 232.65.
    EXPECT_EQ(Lighten(MakeColor(10, 36, 106), 0.85), MakeColor(218, 222, 232));
}

TEST(Lighten, ChannelsMoveIndependently) {
    EXPECT_EQ(Lighten(MakeColor(255, 0, 100), 0.5), MakeColor(255, 127, 177));
}

TEST(Lighten, FactorOutsideTheRangeKeepsTheColourWithoutTheHighByte) {
    const Color c = MakeColor(10, 20, 30);
    EXPECT_EQ(Lighten(c, 0.0), c);
    EXPECT_EQ(Lighten(c, 1.5), c);
    EXPECT_EQ(Lighten(c, -0.3), c);
    EXPECT_EQ(Lighten(c, std::nan("")), c);
    EXPECT_EQ(Lighten(0xFF000000u | c, 2.0), c);
}

TEST(Lighten, FullFactorIsWhite) {
    EXPECT_EQ(Lighten(MakeColor(1, 2, 3), 1.0), kWhite);
    EXPECT_EQ(Lighten(0xFF000000u, 1.0), kWhite);  // high byte dropped, not carried
}

TEST(Darken, TruncatesTowardZero) {
    EXPECT_EQ(Darken(0xFFFFFF, 0.5), 0x7F7F7Fu);
    EXPECT_EQ(Darken(MakeColor(3, 3, 3), 0.5), MakeColor(1, 1, 1));
    EXPECT_EQ(Darken(MakeColor(200, 100, 1), 1.0), kBlack);
}

TEST(Darken, FactorOutsideTheRangeKeepsTheColourWithoutTheHighByte) {
    const Color c = MakeColor(200, 100, 50);
    EXPECT_EQ(Darken(c, 0.0), c);
    EXPECT_EQ(Darken(c, 1.0001), c);
    EXPECT_EQ(Darken(0xAB000000u | c, -1.0), c);
}

TEST(Shade, DispatchesOnTheSignOfTheFactor) {
    const Color c = MakeColor(100, 150, 200);
    EXPECT_EQ(Shade(c, 0.0), c);
    EXPECT_EQ(Shade(c, 0.25), Lighten(c, 0.25));
    EXPECT_EQ(Shade(c, -0.5), Darken(c, 0.5));
    EXPECT_EQ(Shade(c, 1.0), kWhite);
    EXPECT_EQ(Shade(c, -1.0), kBlack);
}

TEST(Shade, ClampsBeyondOneToWhiteOrBlack) {
    const Color c = MakeColor(100, 150, 200);
    EXPECT_EQ(Shade(c, 2.0), kWhite);
    EXPECT_EQ(Shade(c, 1.0000001), kWhite);
    EXPECT_EQ(Shade(c, -2.0), kBlack);
    EXPECT_EQ(Shade(c, -1.0000001), kBlack);
}

}  // namespace
