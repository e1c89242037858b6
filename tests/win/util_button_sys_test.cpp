// CUtilButtonSys on a real dialog: its icon, the hot state under the pointer, and its painting,
// themed and classic, read back pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

#include "controls_test_support.h"
#include "dib_surface.h"
#include "ui/color.h"
#include "wine_test_support.h"

namespace {

using namespace std::chrono_literals;

constexpr int kSize = 24;
constexpr COLORREF kUntouched = RGB(1, 2, 3);

class UtilButtonSysTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create(nullptr));
        // Side by side in the free top-right corner, none covering another.
        int left = 270;
        for (int id : {IDC_TEST_HELP_BUTTON, IDC_TEST_RESTORE_BUTTON, IDC_TEST_CLOSE_BUTTON}) {
            ::SetWindowPos(dialog.Item(id), nullptr, left, 4, kSize, kSize, SWP_NOZORDER);
            left += kSize + 6;
        }
    }

    // The button painted into a fresh 32-bit surface.
    std::unique_ptr<DibSurface> Painted(const CUtilButtonSys& button, UINT state, bool themed) {
        auto surface = std::make_unique<DibSurface>(kSize, kSize, kUntouched);
        button.Paint(surface->dc(), {0, 0, kSize, kSize}, state, themed);
        return surface;
    }

    // The smallest rectangle around the pixels where two paintings differ; empty when none do.
    static RECT Difference(const DibSurface& a, const DibSurface& b) {
        RECT box{kSize, kSize, 0, 0};
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                if (a.At(x, y) == b.At(x, y)) continue;
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                       std::max<LONG>(box.bottom, y + 1)};
            }
        }
        return box;
    }

    static bool Identical(const DibSurface& a, const DibSurface& b) {
        const RECT box = Difference(a, b);
        return ::IsRectEmpty(&box) != FALSE;
    }

    CControlsDialog dialog;
};

TEST_F(UtilButtonSysTest, SetIconLoadsTheIconAndMakesTheButtonOwnerDrawn) {
    const HWND button = dialog.Item(IDC_TEST_CLOSE_BUTTON);
    ASSERT_NE(::GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_TRUE(dialog.closeButton.SetIcon(0, IDI_HIDE_POPUP, false));
    EXPECT_TRUE(dialog.closeButton.HasIcon());
    EXPECT_EQ(dialog.closeButton.CaptionPart(), 0);
    EXPECT_EQ(::GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    // The button's other styles stay.
    EXPECT_TRUE(::GetWindowLongPtrA(button, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(UtilButtonSysTest, SetIconFailsForIconZeroAndForAMissingIcon) {
    CUtilButtonSys& button = dialog.restoreButton;
    EXPECT_FALSE(button.SetIcon(3, 0, false));
    EXPECT_EQ(button.CaptionPart(), 0);
    ASSERT_TRUE(button.SetIcon(3, IDI_SHOW_WINDOW, false));
    EXPECT_FALSE(button.SetIcon(5, 9999, false));
    EXPECT_FALSE(button.HasIcon());  // the old icon is gone with the failed load
    EXPECT_EQ(button.CaptionPart(), 5);
}

TEST_F(UtilButtonSysTest, TheButtonIsHotWhileThePointerIsOverIt) {
    CUtilButtonSys& button = dialog.helpButton;
    ASSERT_TRUE(button.SetIcon(7, IDI_HELP_BUTTON, false));
    ShowAndPaint(dialog.hwnd());
    RECT bounds;
    ::GetWindowRect(button.hwnd(), &bounds);
    EXPECT_FALSE(button.IsHot());

    ASSERT_TRUE(::SetCursorPos(bounds.left + kSize / 2, bounds.top + kSize / 2));
    // The pointer's arrival is a mouse move over the button, as the system reports it.
    ::PostMessageA(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(kSize / 2, kSize / 2));
    EXPECT_TRUE(testsupport::WaitUntil([&] { return button.IsHot(); }, 1s));
    // It stays hot while the pointer rests there.
    testsupport::WaitUntil([] { return false; }, 150ms);
    EXPECT_TRUE(button.IsHot());
    const auto hot = Painted(button, 0, true);

    ASSERT_TRUE(::SetCursorPos(bounds.right + 50, bounds.bottom + 50));
    EXPECT_TRUE(testsupport::WaitUntil([&] { return !button.IsHot(); }, 1s));
    // With themes the hot state is a picture of its own.
    if (ThemeApi().IsThemed()) {
        EXPECT_FALSE(Identical(*hot, *Painted(button, 0, true)));
    }
    // No timer runs once the pointer has left.
    EXPECT_FALSE(::KillTimer(button.hwnd(), 0));
}

TEST_F(UtilButtonSysTest, AMoveThatArrivesFromOutsideWhileCapturedIsNotHot) {
    CUtilButtonSys& button = dialog.closeButton;
    ::SendMessageA(button.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(kSize + 30, 5));
    EXPECT_FALSE(button.IsHot());
}

TEST_F(UtilButtonSysTest, ClassicPaintingCentresTheIconAndShiftsItWhenPressed) {
    ASSERT_TRUE(dialog.closeButton.SetIcon(0, IDI_HIDE_POPUP, false));
    const CUtilButtonSys withoutIcon;
    for (const bool pressed : {false, true}) {
        const UINT state = pressed ? ODS_SELECTED : 0;
        const auto icon = Painted(dialog.closeButton, state, false);
        const auto plain = Painted(withoutIcon, state, false);
        const RECT box = Difference(*icon, *plain);
        ASSERT_FALSE(::IsRectEmpty(&box)) << pressed;
        // Within the 16-pixel square at (width / 2 - 8) or, pressed, one pixel further.
        const LONG origin = pressed ? 5 : 4;
        EXPECT_GE(box.left, origin) << pressed;
        EXPECT_GE(box.top, origin) << pressed;
        EXPECT_LE(box.right, origin + 16) << pressed;
        EXPECT_LE(box.bottom, origin + 16) << pressed;
    }
}

TEST_F(UtilButtonSysTest, ClassicDisabledIconIsASilhouetteInTheDarkenedFace) {
    ASSERT_TRUE(dialog.closeButton.SetIcon(0, IDI_HIDE_POPUP, false));
    const CUtilButtonSys withoutIcon;
    const auto icon = Painted(dialog.closeButton, ODS_DISABLED, false);
    const auto plain = Painted(withoutIcon, ODS_DISABLED, false);
    const COLORREF grey = Darken(::GetSysColor(COLOR_BTNFACE), 0.25);
    int changed = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (icon->At(x, y) == plain->At(x, y)) continue;
            ++changed;
            EXPECT_EQ(icon->At(x, y), grey) << x << "," << y;
        }
    }
    EXPECT_GT(changed, 20);
    EXPECT_FALSE(Identical(*icon, *Painted(dialog.closeButton, 0, false)));
}

TEST_F(UtilButtonSysTest, ClassicFocusIsABlackFrameOnlyWhenFocusIsShown) {
    ASSERT_TRUE(dialog.closeButton.SetIcon(0, IDI_HIDE_POPUP, false));
    ASSERT_TRUE(dialog.restoreButton.SetIcon(3, IDI_SHOW_WINDOW, true));
    const auto hidden = Painted(dialog.closeButton, ODS_FOCUS, false);
    const auto shown = Painted(dialog.restoreButton, ODS_FOCUS, false);
    for (const auto& [x, y] : {std::pair{0, 0}, {kSize - 1, 0}, {0, kSize - 1}, {kSize - 1, kSize - 1}, {kSize / 2, 0}}) {
        EXPECT_EQ(shown->At(x, y), RGB(0, 0, 0)) << x << "," << y;
    }
    EXPECT_NE(hidden->At(0, 0), RGB(0, 0, 0));
}

TEST_F(UtilButtonSysTest, ThemedPaintingUsesTheCaptionPartAndNoIcon) {
    if (!ThemeApi().IsThemed()) GTEST_SKIP() << "themes are off";
    ASSERT_TRUE(dialog.closeButton.SetIcon(0, IDI_HIDE_POPUP, false));
    const CUtilButtonSys& withoutIcon = dialog.helpButton;  // caption part 0 as well
    const auto themed = Painted(dialog.closeButton, 0, true);
    EXPECT_EQ(themed->CountOf(kUntouched), 0);
    EXPECT_TRUE(Identical(*themed, *Painted(withoutIcon, 0, true)));
    EXPECT_FALSE(Identical(*themed, *Painted(dialog.closeButton, 0, false)));
    // The help button (caption part 7) is another picture than the close button.
    ASSERT_TRUE(dialog.restoreButton.SetIcon(7, IDI_HELP_BUTTON, false));
    EXPECT_FALSE(Identical(*themed, *Painted(dialog.restoreButton, 0, true)));
}

TEST_F(UtilButtonSysTest, ThemedFocusRectangleSitsInsideByTheInset) {
    if (!ThemeApi().IsThemed()) GTEST_SKIP() << "themes are off";
    ASSERT_TRUE(dialog.restoreButton.SetIcon(3, IDI_SHOW_WINDOW, true));
    ASSERT_TRUE(dialog.closeButton.SetIcon(3, IDI_SHOW_WINDOW, false));
    // Without focus shown the focused button looks like the normal one; with it, the dotted
    // rectangle runs 3 pixels inside the edges (24 pixels square).
    EXPECT_TRUE(Identical(*Painted(dialog.closeButton, ODS_FOCUS, true), *Painted(dialog.closeButton, 0, true)));
    const RECT box = Difference(*Painted(dialog.restoreButton, ODS_FOCUS, true), *Painted(dialog.restoreButton, 0, true));
    ASSERT_FALSE(::IsRectEmpty(&box));
    EXPECT_GE(box.left, 3);
    EXPECT_GE(box.top, 3);
    EXPECT_LE(box.right, kSize - 3);
    EXPECT_LE(box.bottom, kSize - 3);
}

TEST_F(UtilButtonSysTest, TheScreenShowsWhatPaintDraws) {
    ASSERT_TRUE(dialog.helpButton.SetIcon(7, IDI_HELP_BUTTON, false));
    ::SetFocus(dialog.Edit());
    ShowAndPaint(dialog.hwnd());
    const auto expected = Painted(dialog.helpButton, 0, ThemeApi().IsThemed());
    const HDC dc = ::GetDC(dialog.helpButton.hwnd());
    int same = 0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) same += ::GetPixel(dc, x, y) == expected->At(x, y) ? 1 : 0;
    }
    ::ReleaseDC(dialog.helpButton.hwnd(), dc);
    EXPECT_EQ(same, kSize * kSize);
}

}  // namespace
