// Dialog-unit conversion and the disabled-icon pixel pattern: small integer arithmetic that
// layouts and icons depend on.
#include "ui/dialog_units.h"

#include <gtest/gtest.h>

#include "ui/grey_pattern.h"

namespace {

constexpr std::uint32_t Base(int x, int y) {
    return static_cast<std::uint32_t>(x) | (static_cast<std::uint32_t>(y) << 16);
}

TEST(DialogUnitsFromBase, QuarterAcrossEighthDown) {
    // The usual 8-point base units: 8 across, 16 down.
    EXPECT_EQ(DialogUnitsFromBase(120, true, Base(8, 16)), 240);
    EXPECT_EQ(DialogUnitsFromBase(25, false, Base(8, 16)), 50);
}

TEST(DialogUnitsFromBase, TruncatesAfterMultiplying) {
    // 7 * 7 / 4 = 12.25 and 9 * 13 / 8 = 14.6: multiplying first keeps the fractions' sum.
    EXPECT_EQ(DialogUnitsFromBase(7, true, Base(7, 13)), 12);
    EXPECT_EQ(DialogUnitsFromBase(9, false, Base(7, 13)), 14);
    EXPECT_EQ(DialogUnitsFromBase(1, true, Base(3, 7)), 0);
}

TEST(DialogUnitsFromBase, ReadsTheRightHalfOfThePackedValue) {
    EXPECT_EQ(DialogUnitsFromBase(4, true, Base(9, 1000)), 9);
    EXPECT_EQ(DialogUnitsFromBase(8, false, Base(1000, 17)), 17);
    EXPECT_EQ(DialogUnitsFromBase(0, false, Base(8, 16)), 0);
    EXPECT_EQ(DialogUnitsFromBase(-8, true, Base(8, 16)), -16);
}

TEST(GreyPatternCovers, EvenSizePaintsEveryEvenRow) {
    for (int column = 0; column < 16; ++column) {
        for (int row = 0; row < 16; ++row) {
            EXPECT_EQ(GreyPatternCovers(16, column, row), row % 2 == 0) << column << "," << row;
        }
    }
}

TEST(GreyPatternCovers, OddSizeCarriesTheToggleIntoAChequerboard) {
    EXPECT_TRUE(GreyPatternCovers(3, 0, 0));
    EXPECT_FALSE(GreyPatternCovers(3, 0, 1));
    EXPECT_TRUE(GreyPatternCovers(3, 0, 2));
    EXPECT_FALSE(GreyPatternCovers(3, 1, 0));  // the toggle went on from the column above
    EXPECT_TRUE(GreyPatternCovers(3, 1, 1));
    EXPECT_TRUE(GreyPatternCovers(3, 2, 0));
}

}  // namespace
