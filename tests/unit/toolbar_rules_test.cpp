// Tool-bar painting rules: the element each button state is painted with, and where icons,
// labels, highlights and separator marks go.
#include "ui/toolbar_rules.h"

#include <gtest/gtest.h>

#include "ui/scheme_tables.h"

namespace {

struct LookCase {
    const char* name;
    ToolBarButtonState state;
    int overlay;
    bool iconEnabled;
};

class LookOfButtonTest : public testing::TestWithParam<LookCase> {};

TEST_P(LookOfButtonTest, Look) {
    const LookCase& c = GetParam();
    const ToolBarButtonLook look = LookOfButton(c.state);
    EXPECT_EQ(look.base, element::kToolBarBackground);
    EXPECT_EQ(look.overlay, c.overlay);
    EXPECT_EQ(look.iconEnabled, c.iconEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    States, LookOfButtonTest,
    testing::Values(LookCase{"plain", {}, -1, true},
                    LookCase{"hot", {.hot = true}, element::kToolBarHot, true},
                    LookCase{"checked", {.checked = true}, element::kToolBarHot, true},
                    LookCase{"pressed", {.pressed = true}, element::kToolBarPressed, true},
                    // Pressed wins over hot and checked.
                    LookCase{"pressedHotChecked", {.pressed = true, .hot = true, .checked = true},
                             element::kToolBarPressed, true},
                    LookCase{"disabled", {.disabled = true}, -1, false},
                    // A switched-on command that is unavailable still shows as on.
                    LookCase{"disabledChecked", {.checked = true, .disabled = true}, element::kToolBarHot, false}),
    [](const testing::TestParamInfo<LookCase>& info) { return info.param.name; });

TEST(ButtonHighlightRect, OnePixelInsideTopAndBottom) {
    const PixelRect r = ButtonHighlightRect({10, 2, 33, 24});
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 3);
    EXPECT_EQ(r.right, 33);
    EXPECT_EQ(r.bottom, 23);
}

TEST(LayoutToolBarButton, CentresTheIconWithTheOnePixelNudge) {
    // A 23 x 22 button with a 16-pixel icon: 11 - 8 + 1 across, 11 - 8 + 1 down.
    const ToolBarButtonLayout small = LayoutToolBarButton({100, 2, 123, 24}, 16, false);
    EXPECT_EQ(small.icon, (PixelPoint{104, 6}));
    EXPECT_EQ(small.label.right - small.label.left, 0);
    // A 31 x 30 button with a 24-pixel icon.
    const ToolBarButtonLayout large = LayoutToolBarButton({0, 0, 31, 30}, 24, false);
    EXPECT_EQ(large.icon, (PixelPoint{4, 4}));
}

TEST(LayoutToolBarButton, WithALabelTheIconSitsAtTheTopAndTheLabelBelow) {
    const ToolBarButtonLayout layout = LayoutToolBarButton({0, 0, 60, 40}, 16, true);
    EXPECT_EQ(layout.icon, (PixelPoint{23, kLabelTopGap}));
    EXPECT_EQ(layout.label.top, kLabelTopGap + 16 + 1);
    EXPECT_EQ(layout.label.bottom, 39);
    EXPECT_EQ(layout.label.left, 1);
    EXPECT_EQ(layout.label.right, 59);
    // A button too low for the label gets an empty label box, never an inverted one.
    const ToolBarButtonLayout cramped = LayoutToolBarButton({0, 0, 60, 16}, 16, true);
    EXPECT_GE(cramped.label.bottom, cramped.label.top);
}

TEST(SeparatorMark, TwoPixelsWideCentredASixthInFromTopAndBottom) {
    // An 8-pixel separator 22 high: centred at 54, three rows (22 / 6) in from top and bottom.
    const PixelRect mark = SeparatorMark({50, 2, 58, 24});
    EXPECT_EQ(mark.left, 53);
    EXPECT_EQ(mark.right, 55);
    EXPECT_EQ(mark.top, 5);
    EXPECT_EQ(mark.bottom, 21);
}

}  // namespace
