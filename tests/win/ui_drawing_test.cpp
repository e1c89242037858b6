// Theme access, gradients, scheme elements and the off-screen canvas, checked pixel by pixel in
// 32-bit memory bitmaps (exact colours, whatever the display's depth).
#include <windows.h>
#include <uxtheme.h>

#include <gtest/gtest.h>

#include "ui/color_scheme.h"
#include "ui/gdi_paint.h"
#include "ui/offscreen_canvas.h"

namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);

// A top-down 32-bit DIB section selected into a memory DC, filled with kUntouched.
class Surface {
public:
    Surface(int width, int height) : width_(width), height_(height) {
        dc_ = ::CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = ::CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = ::SelectObject(dc_, bitmap_);
        FillSolid(dc_, {0, 0, width, height}, kUntouched);
    }
    ~Surface() {
        ::SelectObject(dc_, previous_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const { return dc_; }
    COLORREF At(int x, int y) const { return ::GetPixel(dc_, x, y); }

    bool AllUntouched() const {
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (At(x, y) != kUntouched) return false;
            }
        }
        return true;
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
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

TEST(ColorScheme, ClassicCheckBoxIsPaleHighlightInAHighlightFrame) {
    const ColorScheme scheme;
    Surface surface(10, 10);
    const RECT rect{0, 0, 10, 10};
    ASSERT_TRUE(scheme.DrawElement(surface.dc(), &rect, element::kMenuCheckBox, kSchemeClassic));
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(surface.At(0, 0), highlight);
    EXPECT_EQ(surface.At(9, 9), highlight);
    EXPECT_EQ(surface.At(0, 9), highlight);
    EXPECT_EQ(surface.At(5, 5), Lighten(highlight, 0.85));
}

TEST(ColorScheme, ToolBarSeparatorIsEtched) {
    const ColorScheme scheme;
    Surface surface(2, 12);
    const RECT rect{0, 0, 2, 12};
    ASSERT_TRUE(scheme.DrawElement(surface.dc(), &rect, element::kToolBarSeparator, kSchemeClassic));
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(surface.At(0, 5), Darken(face, 0.2));   // left edge
    EXPECT_EQ(surface.At(1, 5), Lighten(face, 0.9));  // right edge
}

TEST(ColorScheme, OriginalSchemeUsesTheAccentWhileThemed) {
    const ColorScheme scheme;
    ASSERT_TRUE(scheme.IsThemed());
    Surface surface(10, 10);
    const RECT rect{0, 0, 10, 10};
    ASSERT_TRUE(scheme.DrawElement(surface.dc(), &rect, element::kMenuHighlight, kSchemeOriginal));
    EXPECT_EQ(surface.At(5, 5), kPaperColor);
    EXPECT_EQ(surface.At(0, 0), Darken(kAccentColor, 0.2));
    EXPECT_EQ(scheme.SchemeBackground(kSchemeOriginal), Lighten(kAccentColor, 0.9));
    EXPECT_EQ(scheme.SchemeBackground(kSchemeClassic), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(scheme.SchemeBackground(kSchemeModern), Lighten(scheme.ThemeColour(1), 0.2));
}

TEST(ColorScheme, ModernToolBarBackgroundRunsFromTheDefaultButtonColour) {
    const ColorScheme scheme;
    ASSERT_TRUE(scheme.IsThemed());
    Surface surface(4, 8);
    const RECT rect{0, 0, 4, 8};
    ASSERT_TRUE(scheme.DrawElement(surface.dc(), &rect, element::kToolBarBackground, kSchemeModern));
    const COLORREF base = scheme.ThemeColour(1);
    EXPECT_EQ(surface.At(0, 7), Darken(base, 0.1));
    EXPECT_EQ(surface.At(3, 0), Shade(base, -0.1 + 7 * 0.1));
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
