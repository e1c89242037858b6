// LinkLabel and ColorLabel on a real dialog: the link's click, cursor and font, and the colours
// both paint with, read back from the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls_test_support.h"
#include "ui/color.h"

namespace {

struct Opened {
    HWND owner;
    std::string target;
};

class LabelsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create(nullptr));
        dialog.link.SetOpener([this](HWND owner, const std::string& target) {
            opened.push_back({owner, target});
            return true;
        });
    }

    HWND Link() const { return dialog.Item(IDC_TEST_LINK); }

    void Click(HWND label) {
        ::PostMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        ::PostMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        PumpPendingMessages();
    }

    // The label's pixels as the screen shows them after a full repaint of the dialog.
    std::vector<COLORREF> Pixels(HWND label) {
        ShowAndPaint(dialog.hwnd());
        return ScreenPixels(label);
    }

    // The label's pixels as they are now.
    static std::vector<COLORREF> ScreenPixels(HWND label) {
        RECT r;
        ::GetClientRect(label, &r);
        const HDC dc = ::GetDC(label);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < r.bottom; ++y) {
            for (int x = 0; x < r.right; ++x) pixels.push_back(::GetPixel(dc, x, y));
        }
        ::ReleaseDC(label, dc);
        return pixels;
    }

    static int Count(const std::vector<COLORREF>& pixels, COLORREF color) {
        return static_cast<int>(std::count(pixels.begin(), pixels.end(), color));
    }

    CControlsDialog dialog;
    std::vector<Opened> opened;
};

TEST_F(LabelsTest, AClickOpensTheTargetOnBehalfOfTheDialog) {
    ASSERT_TRUE(dialog.link.SetTarget("https://www.example.org/"));
    Click(Link());
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].owner, dialog.hwnd());
    EXPECT_EQ(opened[0].target, "https://www.example.org/");
}

TEST_F(LabelsTest, WithoutTargetAClickOpensNothing) {
    Click(Link());
    EXPECT_TRUE(opened.empty());
    ASSERT_TRUE(dialog.link.SetTarget("mailto:help@example.org"));
    ASSERT_TRUE(dialog.link.SetTarget(""));
    Click(Link());
    EXPECT_TRUE(opened.empty());
}

TEST_F(LabelsTest, TheClickStillReachesTheParentAsTheLabelsNotification) {
    struct Counter : CDialog {
        Counter() : CDialog(IDD_CONTROLS) {}
        LinkLabel label;
        int clicks = 0;
        const MessageMap& Map() const override {
            static constexpr CommandEntry kCommands[] = {route::Command<IDC_TEST_LINK, &Counter::OnClick>()};
            static constexpr MessageMap kMap{.commands = kCommands};
            return kMap;
        }
        void OnClick() { ++clicks; }
    } parent;
    ASSERT_TRUE(parent.Create(nullptr));
    ASSERT_TRUE(parent.label.Subclass(parent.Item(IDC_TEST_LINK)));
    int opens = 0;
    parent.label.SetOpener([&](HWND, const std::string&) { return ++opens > 0; });
    parent.label.SetTarget("https://www.example.org/");
    Click(parent.Item(IDC_TEST_LINK));
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(parent.clicks, 1);
}

TEST_F(LabelsTest, AStaticWithoutTheNotifyStyleIsNoLink) {
    LinkLabel plain;
    ASSERT_TRUE(plain.Subclass(dialog.Item(IDC_TEST_PLAIN_STATIC)));
    EXPECT_FALSE(plain.IsLink());
    EXPECT_FALSE(plain.SetTarget("https://www.example.org/"));
    EXPECT_EQ(plain.Target(), "");
    EXPECT_FALSE(plain.SetLinkFont(20, true, false, true));
    EXPECT_FALSE(plain.SetColours(false, RGB(1, 2, 3), RGB(4, 5, 6)));
    EXPECT_EQ(plain.TextColour(), 0xFF0000u);
    // It kept the dialog's font.
    EXPECT_EQ(::SendMessageA(plain.hwnd(), WM_GETFONT, 0, 0), ::SendMessageA(dialog.Edit(), WM_GETFONT, 0, 0));

    LinkLabel unbound;
    EXPECT_FALSE(unbound.IsLink());
    EXPECT_FALSE(unbound.SetTarget("x"));
}

LOGFONTA FontOf(HWND window) {
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

TEST_F(LabelsTest, ALinkIsUnderlinedAtOnceAndTakesTheFontItIsGiven) {
    LOGFONTA font = FontOf(Link());
    EXPECT_TRUE(font.lfUnderline);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_FALSE(font.lfItalic);

    ASSERT_TRUE(dialog.link.SetLinkFont(-20, true, true, false));
    font = FontOf(Link());
    EXPECT_EQ(font.lfHeight, -20);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_TRUE(font.lfItalic);
    EXPECT_FALSE(font.lfUnderline);

    LOGFONTA gui{};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    ASSERT_TRUE(dialog.link.SetLinkFont(-1, false, false, true));
    font = FontOf(Link());
    EXPECT_EQ(font.lfHeight, gui.lfHeight);
    EXPECT_STREQ(font.lfFaceName, gui.lfFaceName);
}

TEST_F(LabelsTest, ALinkShowsTheHandCursor) {
    const HCURSOR hand = ::LoadCursorA(nullptr, IDC_HAND);
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_TRUE(::SendMessageA(Link(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Link()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), hand);
}

TEST_F(LabelsTest, ALinkIsBlueAndTransparentUntilToldOtherwise) {
    EXPECT_TRUE(dialog.link.Transparent());
    EXPECT_EQ(dialog.link.TextColour(), 0xFF0000u);
    const auto pixels = Pixels(Link());
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    // The text is blue over the dialog's own background (no grey box behind it).
    EXPECT_GT(Count(pixels, RGB(0, 0, 255)), 10);
    EXPECT_EQ(Count(pixels, RGB(0xC0, 0xC0, 0xC0)), 0);
    EXPECT_GT(Count(pixels, face), static_cast<int>(pixels.size()) / 2);
}

TEST_F(LabelsTest, OpaqueColoursFillTheLabel) {
    ASSERT_TRUE(dialog.link.SetColours(false, RGB(0, 0, 255), RGB(255, 255, 255)));
    dialog.version.SetColours(false, RGB(128, 0, 0), RGB(255, 255, 0));
    const auto link = Pixels(Link());
    EXPECT_GT(Count(link, RGB(255, 255, 255)), static_cast<int>(link.size()) / 2);
    EXPECT_GT(Count(link, RGB(0, 0, 255)), 10);
    const auto version = Pixels(dialog.Item(IDC_TEST_COLOR));
    EXPECT_GT(Count(version, RGB(255, 255, 0)), static_cast<int>(version.size()) / 2);
    EXPECT_GT(Count(version, RGB(128, 0, 0)), 10);
    EXPECT_EQ(Count(version, ::GetSysColor(COLOR_BTNFACE)), 0);
}

TEST_F(LabelsTest, AColorLabelStartsWithButtonTextOverItsParent) {
    EXPECT_TRUE(dialog.version.Transparent());
    EXPECT_EQ(dialog.version.TextColour(), ::GetSysColor(COLOR_BTNTEXT));
    const auto pixels = Pixels(dialog.Item(IDC_TEST_COLOR));
    EXPECT_GT(Count(pixels, ::GetSysColor(COLOR_BTNTEXT)), 10);
    EXPECT_GT(Count(pixels, ::GetSysColor(COLOR_BTNFACE)), static_cast<int>(pixels.size()) / 2);
}

TEST_F(LabelsTest, ATransparentLabelsNewTextDoesNotLandOnTheOld) {
    const HWND label = dialog.Item(IDC_TEST_COLOR);
    dialog.version.SetColours(true, RGB(128, 0, 0), RGB(255, 255, 255));
    ::SetWindowTextA(label, "WWWWWWWWWWWWWWWWWWWW");
    const int wide = Count(Pixels(label), RGB(128, 0, 0));
    // Only what the change itself repaints.
    ::SetWindowTextA(label, ".");
    ::UpdateWindow(dialog.hwnd());
    ::UpdateWindow(label);
    PumpPendingMessages();
    const int narrow = Count(ScreenPixels(label), RGB(128, 0, 0));
    EXPECT_GT(wide, 4 * narrow);
    EXPECT_GT(narrow, 0);
}

}  // namespace

namespace {

TEST(ShellOpen, ReportsWhatTheShellCouldNotOpen) {
    EXPECT_FALSE(ShellOpen(nullptr, ""));
    EXPECT_FALSE(ShellOpen(nullptr, "C:\\no such folder\\no such document.kestrum-test"));
}

}  // namespace
