// Theme access, gradients, scheme elements and the off-screen canvas, checked pixel by pixel in
// 32-bit memory bitmaps (exact colours, whatever the display's depth).
#include <windows.h>
#include <uxtheme.h>

#include <gtest/gtest.h>

#include <memory>

#include "dib_surface.h"
#include "ui/color_scheme.h"
#include "ui/gdi_paint.h"
#include "ui/gradient.h"
#include "ui/offscreen_canvas.h"

namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);

// A painting surface filled with kUntouched.
class Surface : public DibSurface {
public:
    Surface(int width, int height) : DibSurface(width, height, kUntouched), area_(width * height) {}
    bool AllUntouched() const { return CountOf(kUntouched) == area_; }

private:
    int area_;
};

class TestWindow {
public:
    TestWindow() {
        window_ = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 40, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    }
    ~TestWindow() {
        if (::IsWindow(window_)) ::DestroyWindow(window_);
    }
    HWND get() const { return window_; }

private:
    HWND window_ = nullptr;
};

TEST(ThemeApi, LoadsTheLibraryAndAgreesWithTheSystemAboutThemes) {
    const ThemeApi theme;
    ASSERT_TRUE(theme.IsLoaded());
    EXPECT_EQ(theme.IsThemed(), ::IsAppThemed() != FALSE);
    EXPECT_EQ(theme.IsThemeActive(), ::IsThemeActive() != FALSE);
    // The test prefix runs Wine's light theme.
    EXPECT_TRUE(theme.IsThemed());
}

TEST(ThemeApi, DrawThemedPaintsAButtonForALiveWindow) {
    const ThemeApi theme;
    const TestWindow window;
    ASSERT_NE(window.get(), nullptr);
    Surface surface(40, 20);
    const RECT rect{0, 0, 40, 20};
    ASSERT_TRUE(theme.DrawThemed(window.get(), surface.dc(), &rect, "BUTTON", 1, 1));
    EXPECT_FALSE(surface.AllUntouched());
}

TEST(ThemeApi, DrawThemedRefusesWhatItCannotUse) {
    const ThemeApi theme;
    Surface surface(40, 20);
    const RECT rect{0, 0, 40, 20};
    HWND dead = nullptr;
    {
        const TestWindow window;
        dead = window.get();
        EXPECT_FALSE(theme.DrawThemed(window.get(), nullptr, &rect, "BUTTON", 1, 1));
        EXPECT_FALSE(theme.DrawThemed(window.get(), surface.dc(), nullptr, "BUTTON", 1, 1));
        EXPECT_FALSE(theme.DrawThemed(window.get(), surface.dc(), &rect, "", 1, 1));
        EXPECT_FALSE(theme.DrawThemed(window.get(), surface.dc(), &rect, nullptr, 1, 1));
        EXPECT_FALSE(theme.DrawThemed(window.get(), surface.dc(), &rect, "NoSuchThemeClass", 1, 1));
    }
    EXPECT_FALSE(theme.DrawThemed(dead, surface.dc(), &rect, "BUTTON", 1, 1));
    EXPECT_TRUE(surface.AllUntouched());
}

TEST(ThemeApi, DrawThemedTextWritesTheTextOnlyWhereItCan) {
    const ThemeApi theme;
    const TestWindow window;
    Surface surface(80, 20);
    const RECT rect{0, 0, 80, 20};
    EXPECT_FALSE(theme.DrawThemedText(window.get(), surface.dc(), &rect, "BUTTON", 1, 1, nullptr, DT_SINGLELINE));
    EXPECT_FALSE(theme.DrawThemedText(nullptr, surface.dc(), &rect, "BUTTON", 1, 1, "Help", DT_SINGLELINE));
    EXPECT_TRUE(surface.AllUntouched());
    ASSERT_TRUE(theme.DrawThemedText(window.get(), surface.dc(), &rect, "BUTTON", 1, 1, "Help", DT_SINGLELINE));
    EXPECT_FALSE(surface.AllUntouched());
}

TEST(ThemeApi, SetWindowThemeNeedsALiveWindow) {
    const ThemeApi theme;
    HWND dead = nullptr;
    {
        const TestWindow window;
        dead = window.get();
        EXPECT_TRUE(theme.SetWindowTheme(window.get(), nullptr, nullptr));
    }
    EXPECT_FALSE(theme.SetWindowTheme(dead, nullptr, nullptr));
}

TEST(ThemeApi, ThemeColourGivesAColourForTheTwoKnownSlotsOnly) {
    const ThemeApi theme;
    EXPECT_EQ(theme.ThemeColour(2), 0u);
    EXPECT_EQ(theme.ThemeColour(-1), 0u);
    // Whether the theme carries the accent hints or not, the slots are real colours (never the
    // black of a failed read) and keep the colour layout.
    for (int k : {0, 1}) {
        const COLORREF color = theme.ThemeColour(k);
        EXPECT_NE(color, 0u) << k;
        EXPECT_EQ(color & 0xFF000000u, 0u) << k;
    }
}

TEST(ThemeApi, ThemeColorOfFallsBackForADeadWindowOrUnknownClass) {
    const ThemeApi theme;
    EXPECT_EQ(theme.ThemeColorOf(nullptr, "BUTTON", 1, 2, 3823), 0u);
    EXPECT_EQ(theme.ThemeColorOf(::GetDesktopWindow(), "NoSuchThemeClass", 1, 2, 3823, 0x123456), 0x123456u);
}

TEST(VerticalGradient, BottomRowIsTheStartAndTopRowOneStepShortOfTheEnd) {
    Surface surface(6, 12);
    const Color base = RGB(40, 80, 120);
    const RECT rect{1, 1, 5, 11};  // ten rows
    ASSERT_TRUE(VerticalGradient(surface.dc(), &rect, base, 0.0, 1.0));
    for (int x = 1; x < 5; ++x) {
        EXPECT_EQ(surface.At(x, 10), base) << x;
        EXPECT_EQ(surface.At(x, 1), Lighten(base, 0.9)) << x;
        EXPECT_EQ(surface.At(x, 5), Lighten(base, 0.5)) << x;
    }
    // Nothing outside the rectangle.
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(surface.At(x, 0), kUntouched);
        EXPECT_EQ(surface.At(x, 11), kUntouched);
    }
    EXPECT_EQ(surface.At(0, 5), kUntouched);
    EXPECT_EQ(surface.At(5, 5), kUntouched);
}

TEST(HorizontalGradient, LeftColumnIsTheStart) {
    Surface surface(12, 4);
    const Color base = RGB(200, 100, 50);
    const RECT rect{2, 0, 10, 4};  // eight columns, -0.8 -> 0.8
    ASSERT_TRUE(HorizontalGradient(surface.dc(), &rect, base, -0.8, 0.8));
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(surface.At(2, y), Darken(base, 0.8)) << y;
        EXPECT_EQ(surface.At(9, y), Lighten(base, 0.6)) << y;
        EXPECT_EQ(surface.At(1, y), kUntouched);
        EXPECT_EQ(surface.At(10, y), kUntouched);
    }
}

TEST(Gradients, RefuseEmptyRectanglesAndMissingArguments) {
    Surface surface(8, 8);
    const RECT flat{0, 4, 8, 4};
    const RECT narrow{4, 0, 4, 8};
    const RECT inverted{6, 6, 2, 2};
    for (const RECT* rect : {&flat, &narrow, &inverted}) {
        EXPECT_FALSE(VerticalGradient(surface.dc(), rect, 0x808080, 0.0, 1.0));
        EXPECT_FALSE(HorizontalGradient(surface.dc(), rect, 0x808080, 0.0, 1.0));
    }
    const RECT rect{0, 0, 8, 8};
    EXPECT_FALSE(VerticalGradient(nullptr, &rect, 0x808080, 0.0, 1.0));
    EXPECT_FALSE(HorizontalGradient(surface.dc(), nullptr, 0x808080, 0.0, 1.0));
    EXPECT_TRUE(surface.AllUntouched());
}

TEST(ColorScheme, UnknownElementDrawsNothing) {
    const ColorScheme scheme;
    Surface surface(10, 10);
    const RECT rect{0, 0, 10, 10};
    for (int kind : {5, -1, 12}) {
        for (int number : {0, 1, 2}) EXPECT_FALSE(scheme.DrawElement(surface.dc(), &rect, kind, number));
    }
    EXPECT_FALSE(scheme.DrawElement(nullptr, &rect, 0, 0));
    EXPECT_FALSE(scheme.DrawElement(surface.dc(), nullptr, 0, 0));
    EXPECT_TRUE(surface.AllUntouched());
}

// One element painted by a fresh ColorScheme over the whole of a new surface.
std::unique_ptr<Surface> Painted(int kind, int scheme, int width, int height) {
    auto surface = std::make_unique<Surface>(width, height);
    const RECT rect = surface->Bounds();
    EXPECT_TRUE(ColorScheme().DrawElement(surface->dc(), &rect, kind, scheme));
    return surface;
}

TEST(ColorScheme, ClassicCheckBoxIsPaleHighlightInAHighlightFrame) {
    const auto surface = Painted(element::kMenuCheckBox, kSchemeClassic, 10, 10);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(surface->At(0, 0), highlight);
    EXPECT_EQ(surface->At(9, 9), highlight);
    EXPECT_EQ(surface->At(0, 9), highlight);
    EXPECT_EQ(surface->At(5, 5), Lighten(highlight, 0.85));
}

TEST(ColorScheme, ToolBarSeparatorIsEtched) {
    const auto surface = Painted(element::kToolBarSeparator, kSchemeClassic, 2, 12);
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(surface->At(0, 5), Darken(face, 0.2));   // left edge
    EXPECT_EQ(surface->At(1, 5), Lighten(face, 0.9));  // right edge
}

TEST(ColorScheme, OriginalSchemeUsesTheAccentWhileThemed) {
    const ColorScheme scheme;
    ASSERT_TRUE(scheme.IsThemed());
    const auto surface = Painted(element::kMenuHighlight, kSchemeOriginal, 10, 10);
    EXPECT_EQ(surface->At(5, 5), kPaperColor);
    EXPECT_EQ(surface->At(0, 0), Darken(kAccentColor, 0.2));
    EXPECT_EQ(scheme.SchemeBackground(kSchemeOriginal), Lighten(kAccentColor, 0.9));
    EXPECT_EQ(scheme.SchemeBackground(kSchemeClassic), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(scheme.SchemeBackground(kSchemeModern), Lighten(scheme.ThemeColour(1), 0.2));
}

TEST(ColorScheme, ModernToolBarBackgroundRunsFromTheDefaultButtonColour) {
    const ColorScheme scheme;
    ASSERT_TRUE(scheme.IsThemed());
    const auto surface = Painted(element::kToolBarBackground, kSchemeModern, 4, 8);
    const auto rows = GradientColors(scheme.ThemeColour(1), -0.1, 0.7, 8);
    EXPECT_EQ(surface->At(0, 7), rows.front());
    EXPECT_EQ(surface->At(3, 0), rows.back());
    EXPECT_EQ(rows.front(), Darken(scheme.ThemeColour(1), 0.1));
}

TEST(OffscreenCanvas, CopiesEverythingInOneTransfer) {
    Surface target(20, 10);
    {
        OffscreenCanvas canvas(target.dc(), 8, 6);
        ASSERT_TRUE(canvas);
        FillSolid(canvas.Dc(), {0, 0, 8, 6}, RGB(9, 99, 199));
        EXPECT_TRUE(target.AllUntouched());  // nothing reaches the target before the copy
        ASSERT_TRUE(canvas.CopyTo(target.dc(), 5, 2));
    }
    EXPECT_EQ(target.At(5, 2), RGB(9, 99, 199));
    EXPECT_EQ(target.At(12, 7), RGB(9, 99, 199));
    EXPECT_EQ(target.At(4, 2), kUntouched);
    EXPECT_EQ(target.At(13, 8), kUntouched);
}

TEST(OffscreenCanvas, EmptySizeIsNotReady) {
    Surface target(4, 4);
    OffscreenCanvas flat(target.dc(), 4, 0);
    EXPECT_FALSE(flat);
    EXPECT_FALSE(flat.CopyTo(target.dc(), 0, 0));
    OffscreenCanvas orphan(nullptr, 4, 4);
    EXPECT_FALSE(orphan);
}

}  // namespace
