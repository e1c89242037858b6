// Display-scale arithmetic: rounding of scaled lengths, rescaling between DPIs, unusable DPIs,
// and the icon frame picked for a wanted size.
#include "framework/dpi_scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ScaleCase {
    int length;
    int dpi;
    int scaled;
};

class ScaleToDpiTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleToDpiTest, Scales) {
    const ScaleCase& c = GetParam();
    EXPECT_EQ(ScaleToDpi(c.length, c.dpi), c.scaled) << c.length << " at " << c.dpi;
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ScaleToDpiTest,
    testing::Values(ScaleCase{16, 96, 16}, ScaleCase{16, 120, 20}, ScaleCase{16, 144, 24}, ScaleCase{16, 192, 32},
                    ScaleCase{24, 144, 36},
                    // Halves round away from zero: 1 at 144 is 1.5, 3 at 144 is 4.5.
                    ScaleCase{1, 144, 2}, ScaleCase{3, 144, 5}, ScaleCase{-3, 144, -5}, ScaleCase{7, 120, 9},
                    ScaleCase{0, 144, 0},
                    // A failed query (0), a negative or an absurd DPI scales nothing.
                    ScaleCase{16, 0, 16}, ScaleCase{16, -144, 16}, ScaleCase{16, 100000, 16},
                    // No overflow for lengths near the limits of a coordinate.
                    ScaleCase{1 << 30, 192, 2147483647}, ScaleCase{-(1 << 30), 192, -2147483647 - 1}));

struct RescaleCase {
    int length;
    int from;
    int to;
    int rescaled;
};

class RescaleDpiTest : public testing::TestWithParam<RescaleCase> {};

TEST_P(RescaleDpiTest, Rescales) {
    const RescaleCase& c = GetParam();
    EXPECT_EQ(RescaleDpi(c.length, c.from, c.to), c.rescaled);
}

INSTANTIATE_TEST_SUITE_P(Lengths, RescaleDpiTest,
                         testing::Values(RescaleCase{150, 144, 96, 100}, RescaleCase{100, 96, 144, 150},
                                         RescaleCase{100, 144, 144, 100}, RescaleCase{25, 192, 120, 16},
                                         // An unusable side counts as 96.
                                         RescaleCase{100, 0, 144, 150}, RescaleCase{150, 144, -1, 100}));

struct IconCase {
    int wanted;
    std::vector<int> drawn;
    int loaded;
};

class IconSizeToLoadTest : public testing::TestWithParam<IconCase> {};

TEST_P(IconSizeToLoadTest, Picks) {
    const IconCase& c = GetParam();
    EXPECT_EQ(IconSizeToLoad(c.wanted, c.drawn), c.loaded) << "wanted " << c.wanted;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, IconSizeToLoadTest,
    testing::Values(IconCase{16, {16, 24, 32, 48}, 16}, IconCase{20, {16, 24, 32, 48}, 24},
                    IconCase{24, {16, 24, 32, 48}, 24}, IconCase{36, {16, 24, 32, 48}, 48},
                    IconCase{12, {16, 24, 32, 48}, 16},
                    // Larger than every frame: the largest, scaled up as little as can be.
                    IconCase{64, {16, 24, 32, 48}, 48},
                    // Order does not matter.
                    IconCase{20, {48, 16, 32, 24}, 24}, IconCase{40, {32, 16}, 32},
                    IconCase{20, {}, 20}));

}  // namespace
