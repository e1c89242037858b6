// The Quick Intro's pages, caption, buttons, placement and control layout.
#include "intro/intro_rules.h"

#include <gtest/gtest.h>

namespace {

struct PageCase {
    const char* program;
    int page;
    const char* path;
};

class IntroPagePathTest : public testing::TestWithParam<PageCase> {};

TEST_P(IntroPagePathTest, BesideTheProgram) {
    EXPECT_EQ(IntroPagePath(GetParam().program, GetParam().page), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, IntroPagePathTest,
    testing::Values(PageCase{"C:\\Apps\\Kestrum\\Tourlet.exe", 0, "C:\\Apps\\Kestrum\\Tourlet\\index.htm"},
                    PageCase{"C:\\Apps\\Kestrum\\Tourlet.exe", 1, "C:\\Apps\\Kestrum\\Tourlet\\index1.htm"},
                    PageCase{"C:\\Apps\\Kestrum\\Tourlet.exe", 4, "C:\\Apps\\Kestrum\\Tourlet\\index4.htm"},
                    // Out of range: clamped, never "index-1" or "index5".
                    PageCase{"C:\\Apps\\Kestrum\\Tourlet.exe", -1, "C:\\Apps\\Kestrum\\Tourlet\\index.htm"},
                    PageCase{"C:\\Apps\\Kestrum\\Tourlet.exe", 5, "C:\\Apps\\Kestrum\\Tourlet\\index4.htm"},
                    PageCase{"C:\\Tourlet.exe", 2, "C:\\Tourlet\\index2.htm"},
                    PageCase{"C:\\a b\\c#1\\//Tourlet.exe", 3, "C:\\a b\\c#1\\Tourlet\\index3.htm"},
                    PageCase{"\\\\srv\\share\\Tourlet.exe", 0, "\\\\srv\\share\\Tourlet\\index.htm"}));

struct PageStateCase {
    int page;
    const char* caption;
    IntroButtons buttons;
};

class IntroPageStateTest : public testing::TestWithParam<PageStateCase> {};

TEST_P(IntroPageStateTest, CaptionAndButtons) {
    EXPECT_EQ(IntroCaption(GetParam().page), GetParam().caption);
    EXPECT_EQ(IntroButtonStates(GetParam().page), GetParam().buttons);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, IntroPageStateTest,
    testing::Values(PageStateCase{0, "Kestrum Quick Intro - Page 1/5", {false, true}},
                    PageStateCase{1, "Kestrum Quick Intro - Page 2/5", {true, true}},
                    PageStateCase{3, "Kestrum Quick Intro - Page 4/5", {true, true}},
                    PageStateCase{4, "Kestrum Quick Intro - Page 5/5", {true, false}},
                    PageStateCase{-3, "Kestrum Quick Intro - Page 1/5", {false, true}},
                    PageStateCase{9, "Kestrum Quick Intro - Page 5/5", {true, false}}));

TEST(IntroPage, ClampKeepsEveryStepInsideThePages) {
    EXPECT_EQ(ClampIntroPage(-1), 0);
    EXPECT_EQ(ClampIntroPage(0), 0);
    EXPECT_EQ(ClampIntroPage(4), 4);
    EXPECT_EQ(ClampIntroPage(5), 4);
}

struct PlaceCase {
    PixelRect work;
    int width;
    int left;
};

class IntroWindowRectTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(IntroWindowRectTest, RightSideAtFullHeight) {
    const PlaceCase& c = GetParam();
    const PixelRect r = IntroWindowRect(c.work, c.width);
    EXPECT_EQ(r.left, c.left);
    EXPECT_EQ(r.top, c.work.top);
    EXPECT_EQ(r.right, c.work.right);
    EXPECT_EQ(r.bottom, c.work.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    WorkAreas, IntroWindowRectTest,
    testing::Values(PlaceCase{{0, 0, 1024, 738}, 600, 512},    // wider than half: the right half
                    PlaceCase{{0, 0, 1600, 1170}, 600, 1000},  // narrower: its own width
                    PlaceCase{{0, 0, 1200, 900}, 600, 600},    // exactly half: the right half
                    // A task bar on the left or top: the work area does not start at 0.
                    PlaceCase{{60, 0, 1084, 768}, 600, 572},
                    PlaceCase{{200, 40, 1800, 1000}, 600, 1200}));

TEST(IntroLayout, FollowsTheClientAreaInDialogUnits) {
    // Base units 8 across and 16 down: n horizontal units are 2n pixels, n vertical ones 2n too.
    constexpr std::uint32_t kBase = (16u << 16) | 8u;
    const IntroLayout layout = IntroControlLayout({0, 0, 600, 700}, kBase);
    EXPECT_EQ(layout.browser.left, 6);
    EXPECT_EQ(layout.browser.top, 6);
    EXPECT_EQ(layout.browser.right, 594);
    // 27 horizontal units would reach 2 pixels into the check box: the browser stops above it.
    EXPECT_EQ(layout.browser.bottom, 700 - 52 - 2);
    EXPECT_EQ(layout.checkBox, (PixelPoint{8, 700 - 52}));
    EXPECT_EQ(layout.back, (PixelPoint{6, 700 - 28}));
    EXPECT_EQ(layout.next, (PixelPoint{126, 700 - 28}));
    EXPECT_EQ(layout.close, (PixelPoint{600 - 78, 700 - 28}));

    // Units apart across and down, and a client area not at the origin.
    constexpr std::uint32_t kWide = (13u << 16) | 6u;
    const IntroLayout moved = IntroControlLayout({10, 20, 410, 320}, kWide);
    EXPECT_EQ(moved.browser.left, 10 + 3 * 6 / 4);
    EXPECT_EQ(moved.browser.top, 20 + 3 * 13 / 8);
    EXPECT_EQ(moved.browser.bottom, 320 - 26 * 13 / 8 - 13 / 8) << "one vertical unit above the check box";
    EXPECT_EQ(moved.checkBox, (PixelPoint{10 + 4 * 6 / 4, 320 - 26 * 13 / 8}));
    EXPECT_EQ(moved.close, (PixelPoint{410 - 39 * 6 / 4, 320 - 14 * 13 / 8}));

    // Where 27 horizontal units clear the check box, they are the margin.
    constexpr std::uint32_t kSquare = (8u << 16) | 8u;
    EXPECT_EQ(IntroControlLayout({0, 0, 600, 700}, kSquare).browser.bottom, 700 - 54);
}

}  // namespace
