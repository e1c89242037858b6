// Gradient bands: which factor lands on which row, at both ends and where it crosses zero.
#include "ui/gradient.h"

#include <gtest/gtest.h>

namespace {

constexpr Color kBase = 0x204060;

TEST(GradientColors, TenRowsFromZeroToOneEndAtNineTenths) {
    const auto colors = GradientColors(kBase, 0.0, 1.0, 10);
    ASSERT_EQ(colors.size(), 10u);
    EXPECT_EQ(colors.front(), kBase);                 // Shade(c, 0): the start edge
    EXPECT_EQ(colors.back(), Lighten(kBase, 0.9));    // never quite reaches `to`
    EXPECT_EQ(colors[5], Lighten(kBase, 0.5));
}

TEST(GradientColors, OneRowShowsOnlyTheStart) {
    const auto colors = GradientColors(kBase, -0.1, 0.7, 1);
    ASSERT_EQ(colors.size(), 1u);
    EXPECT_EQ(colors[0], Darken(kBase, 0.1));
}

TEST(GradientColors, NothingForAnEmptyBand) {
    EXPECT_TRUE(GradientColors(kBase, 0.0, 1.0, 0).empty());
    EXPECT_TRUE(GradientColors(kBase, 0.0, 1.0, -4).empty());
}

TEST(GradientColors, RunsBackwardsWhenTheEndIsBelowTheStart) {
    const auto colors = GradientColors(kBase, 0.9, 0.0, 3);
    ASSERT_EQ(colors.size(), 3u);
    EXPECT_EQ(colors[0], Lighten(kBase, 0.9));
    EXPECT_EQ(colors[1], Lighten(kBase, 0.6));
    EXPECT_EQ(colors[2], Lighten(kBase, 0.3));
}

TEST(GradientColors, CrossingZeroGoesFromDarkToLight) {
    // The tool-bar background: -0.1 -> 0.7 over 8 rows, factors -0.1, 0.0, 0.1 ... 0.6.
    const auto colors = GradientColors(kBase, -0.1, 0.7, 8);
    ASSERT_EQ(colors.size(), 8u);
    EXPECT_EQ(colors[0], Darken(kBase, 0.1));
    // Summed in steps, the second factor lands a rounding error below zero: that must darken
    // no channel by a whole level.
    EXPECT_EQ(colors[1], kBase);
    EXPECT_EQ(colors[7], Shade(kBase, 0.6));
}

TEST(GradientColors, FactorsPastOneTurnWhite) {
    const auto colors = GradientColors(kBase, 0.5, 2.5, 4);  // 0.5, 1.0, 1.5, 2.0
    ASSERT_EQ(colors.size(), 4u);
    EXPECT_EQ(colors[0], Lighten(kBase, 0.5));
    EXPECT_EQ(colors[1], kWhite);
    EXPECT_EQ(colors[2], kWhite);
    EXPECT_EQ(colors[3], kWhite);
}

TEST(GradientColors, TallBandsKeepTheirEndPoints) {
    const auto colors = GradientColors(kBase, 0.75, 0.99, 600);
    ASSERT_EQ(colors.size(), 600u);
    EXPECT_EQ(colors.front(), Lighten(kBase, 0.75));
    // Factor 0.75 + 599 * 0.0004 = 0.9896: red 96 + 157.35, green 64 + 189.01, blue 32 + 220.68.
    EXPECT_EQ(colors.back(), MakeColor(253, 253, 252));
}

}  // namespace
