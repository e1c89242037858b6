// Caption button rules: which theme part and state the button draws, and where focus and icon go.
#include "ui/caption_button_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(CaptionThemePart, MapsTheKnownCaptionPartsAndFallsBackToHelp) {
    const struct {
        int captionPart;
        int themePart;
    } cases[] = {{0, 18}, {1, 19}, {2, 15}, {3, 21}, {5, 17}, {9, 20}, {10, 16}, {11, 22}, {12, 24},
                 // Unlisted numbers, such as the popup's 7, are the help button.
                 {4, 23}, {6, 23}, {7, 23}, {8, 23}, {13, 23}, {-1, 23}};
    for (const auto& c : cases) EXPECT_EQ(CaptionThemePart(c.captionPart), c.themePart) << c.captionPart;
}

TEST(CaptionButtonState, EachConditionOverridesTheOnesAfterIt) {
    EXPECT_EQ(CaptionButtonState({}), 1);
    EXPECT_EQ(CaptionButtonState({.hot = true}), 2);
    EXPECT_EQ(CaptionButtonState({.focused = true, .showFocus = true, .hot = true}), 5);
    EXPECT_EQ(CaptionButtonState({.pressed = true, .focused = true, .showFocus = true, .hot = true}), 3);
    EXPECT_EQ(CaptionButtonState({.disabled = true, .pressed = true, .focused = true, .showFocus = true}), 4);
}

TEST(CaptionButtonState, FocusCountsOnlyWhenItIsShown) {
    EXPECT_EQ(CaptionButtonState({.focused = true}), 1);
    EXPECT_EQ(CaptionButtonState({.focused = true, .hot = true}), 2);
    EXPECT_EQ(CaptionButtonState({.showFocus = true}), 1);
}

TEST(CaptionButtonState, DisabledWithFocusAndPressedWhileHot) {
    EXPECT_EQ(CaptionButtonState({.disabled = true, .focused = true, .showFocus = true}), 4);
    EXPECT_EQ(CaptionButtonState({.pressed = true, .hot = true}), 3);
}

TEST(FocusInset, AFifthOfTheSmallerSideAtMostThree) {
    EXPECT_EQ(FocusInset(16, 16), 3);
    EXPECT_EQ(FocusInset(9, 9), 2);
    EXPECT_EQ(FocusInset(40, 9), 2);   // the smaller side decides
    EXPECT_EQ(FocusInset(9, 40), 2);
    EXPECT_EQ(FocusInset(14, 14), 3);  // (14 + 1) / 5
    EXPECT_EQ(FocusInset(13, 13), 2);
    EXPECT_EQ(FocusInset(100, 100), 3);
    EXPECT_EQ(FocusInset(3, 3), 0);
}

TEST(CaptionIconOrigin, CentresTheIconAndShiftsItWhenPressed) {
    EXPECT_EQ(CaptionIconOrigin(16, 16, 16, false), (PixelPoint{0, 0}));
    EXPECT_EQ(CaptionIconOrigin(16, 16, 16, true), (PixelPoint{1, 1}));
    EXPECT_EQ(CaptionIconOrigin(25, 21, 16, false), (PixelPoint{4, 2}));
    EXPECT_EQ(CaptionIconOrigin(25, 21, 16, true), (PixelPoint{5, 3}));
    // A 24-pixel icon at 144 dpi in a button of 37 x 31.
    EXPECT_EQ(CaptionIconOrigin(37, 31, 24, false), (PixelPoint{6, 3}));
    EXPECT_EQ(CaptionIconOrigin(37, 31, 24, true), (PixelPoint{7, 4}));
}

}  // namespace
