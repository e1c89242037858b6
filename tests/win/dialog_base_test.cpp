// DialogBase on a real dialog: setting up the frame, help requests and keys sent to a test main
// frame, the hand cursor over the help icon, and the footer band read back pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include "settings/settings_store.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "controls_test_support.h"
#include "dib_surface.h"
#include "ui/color.h"
#include "ui/gradient.h"

namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);

RECT ChildRect(HWND child) {
    RECT r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT Centre(const PixelRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class DialogBaseTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(frame = &application.MakeFrame(), nullptr); }

    void Open(CControlsDialog& dialog) {
        ASSERT_TRUE(dialog.Create(nullptr));
        ShowAndPaint(dialog.hwnd());
    }

    CHelpApplication application;
    CHelpFrame* frame = nullptr;
};

TEST_F(DialogBaseTest, SetupFrameMakesTheHelpLinkBesideTheHelpIcon) {
    CControlsDialog dialog({IDI_COPY, IDI_HELP_LINK, "copy_move.htm"});
    Open(dialog);
    EXPECT_TRUE(dialog.frameResult);
    EXPECT_EQ(dialog.HelpTopic(), "copy_move.htm");
    const HWND link = dialog.HelpLink();
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(::GetDlgItem(dialog.hwnd(), DialogBase::kHelpLinkId), link);
    EXPECT_EQ(TextOf(link), "Help");
    const auto style = ::GetWindowLongPtrA(link, GWL_STYLE);
    EXPECT_TRUE(style & SS_NOTIFY);
    EXPECT_TRUE(::IsWindowVisible(link));
    const RECT place = ChildRect(link);
    const PixelRect expected = dialog.Layout().helpLink;
    EXPECT_EQ(place.left, expected.left);
    EXPECT_EQ(place.top, expected.top);
    EXPECT_EQ(place.right - place.left, 60);
    EXPECT_EQ(place.bottom - place.top, 20);
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(link, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_TRUE(font.lfUnderline);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
}

TEST_F(DialogBaseTest, SettingUpTwiceKeepsOneLink) {
    CControlsDialog dialog({IDI_COPY, IDI_HELP_LINK, "copy_move.htm"});
    Open(dialog);
    const HWND link = dialog.HelpLink();
    EXPECT_TRUE(dialog.SetupFrame(IDI_MOVE, IDI_HELP_LINK, "save_list.htm"));
    EXPECT_EQ(dialog.HelpLink(), link);
    EXPECT_EQ(dialog.HelpTopic(), "save_list.htm");
    int links = 0;
    for (HWND child = ::GetWindow(dialog.hwnd(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        links += ::GetDlgCtrlID(child) == DialogBase::kHelpLinkId ? 1 : 0;
    }
    EXPECT_EQ(links, 1);
}

TEST_F(DialogBaseTest, WithoutTheHelpIconThereIsNoLinkAndNoTopic) {
    CControlsDialog dialog({IDI_COPY, DialogBase::kNoIcon, "opt.htm"});
    Open(dialog);
    EXPECT_TRUE(dialog.frameResult);
    EXPECT_EQ(dialog.HelpLink(), nullptr);
    EXPECT_EQ(dialog.HelpTopic(), "");
    EXPECT_EQ(dialog.RequestHelp(), 0);
    const POINT icon = Centre(dialog.Layout().smallIcon);
    ::SendMessageA(dialog.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(icon.x, icon.y));
    TypeText(dialog.Edit(), "a");
    EXPECT_TRUE(frame->requests.empty());
}

TEST_F(DialogBaseTest, AnIconThatDoesNotLoadCancelsTheDialog) {
    for (const CControlsDialog::Frame& broken :
         {CControlsDialog::Frame{9999, IDI_HELP_LINK, "opt.htm"}, CControlsDialog::Frame{IDI_COPY, 9999, "opt.htm"}}) {
        CControlsDialog modal(broken);
        EXPECT_EQ(modal.DoModal(nullptr), IDCANCEL);
        EXPECT_FALSE(modal.frameResult);

        CControlsDialog modeless(broken);
        modeless.Create(nullptr);
        EXPECT_EQ(modeless.hwnd(), nullptr);
        EXPECT_EQ(modeless.Result(), IDCANCEL);
    }
}

TEST_F(DialogBaseTest, SetupFrameNeedsAWindow) {
    CControlsDialog dialog;
    EXPECT_FALSE(dialog.SetupFrame(IDI_COPY, IDI_HELP_LINK, "opt.htm"));
    EXPECT_EQ(dialog.Result(), -1);  // nothing to end
}

TEST_F(DialogBaseTest, ClickingTheHelpLinkSendsTheTopicToTheMainFrame) {
    CControlsDialog dialog({IDI_OPTIONS, IDI_HELP_LINK, "opt.htm"});
    Open(dialog);
    ::PostMessageA(dialog.HelpLink(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::PostMessageA(dialog.HelpLink(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    PumpPendingMessages();
    EXPECT_EQ(frame->Topics(), (std::vector<std::string>{"opt.htm"}));
}

TEST_F(DialogBaseTest, ReleasingTheButtonOverTheHelpIconSendsTheTopic) {
    CControlsDialog dialog({IDI_COPY, IDI_HELP_LINK, "copy_move.htm"});
    Open(dialog);
    const PixelRect icon = dialog.Layout().smallIcon;
    for (const POINT outside : {POINT{icon.right, icon.top}, POINT{icon.left - 1, icon.top}, POINT{icon.left, icon.top - 1},
                                POINT{5, 5}}) {
        ::SendMessageA(dialog.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(outside.x, outside.y));
    }
    EXPECT_TRUE(frame->requests.empty());
    ::SendMessageA(dialog.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(icon.left, icon.bottom - 1));
    EXPECT_EQ(frame->Topics(), (std::vector<std::string>{"copy_move.htm"}));
}

// The cursor the dialog sets with the pointer at a point of its client area.
HCURSOR CursorAt(HWND dialog, POINT client) {
    ::ClientToScreen(dialog, &client);
    ::SetCursorPos(client.x, client.y);
    ::SetCursor(nullptr);
    ::SendMessageA(dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
}

TEST_F(DialogBaseTest, TheHandCursorShowsOverTheHelpIconOnly) {
    CControlsDialog dialog({IDI_COPY, IDI_HELP_LINK, "copy_move.htm"});
    Open(dialog);
    const HCURSOR hand = ::LoadCursorA(nullptr, IDC_HAND);
    const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    const PixelRect icon = dialog.Layout().smallIcon;
    EXPECT_EQ(CursorAt(dialog.hwnd(), Centre(icon)), hand);
    EXPECT_EQ(CursorAt(dialog.hwnd(), {icon.left, icon.top}), hand);
    EXPECT_EQ(CursorAt(dialog.hwnd(), {icon.right + 2, icon.top}), arrow);
    EXPECT_EQ(CursorAt(dialog.hwnd(), {5, 5}), arrow);

    // Without a help icon the place is like any other.
    CControlsDialog plain({IDI_COPY, DialogBase::kNoIcon, ""});
    Open(plain);
    EXPECT_EQ(CursorAt(plain.hwnd(), Centre(icon)), arrow);
}

TEST_F(DialogBaseTest, EveryMessageGoesToTheMainFrameFirstWhichMayTakeIt) {
    CControlsDialog dialog({IDI_COPY, IDI_HELP_LINK, "copy_move.htm"});
    Open(dialog);
    ::SetFocus(dialog.Edit());
    frame->takenMessage = WM_CHAR;
    frame->messageAnswer = 1;
    TypeText(dialog.Edit(), "ab");
    EXPECT_EQ(TextOf(dialog.Edit()), "");
    std::vector<WPARAM> characters;
    for (const HelpRequest& request : frame->requests) {
        EXPECT_EQ(request.topic, "copy_move.htm");
        EXPECT_TRUE(request.withMessage);
        if (request.message == WM_CHAR) characters.push_back(request.key);
    }
    EXPECT_EQ(characters, (std::vector<WPARAM>{'a', 'b'}));

    frame->messageAnswer = 0;
    TypeText(dialog.Edit(), "cd");
    EXPECT_EQ(TextOf(dialog.Edit()), "cd");
}

TEST_F(DialogBaseTest, TheHelpKeyReachesTheMainFrameWithItsMessage) {
    CControlsDialog dialog({IDI_COPY, IDI_HELP_LINK, "copy_move.htm"});
    Open(dialog);
    ::SetFocus(dialog.Edit());
    frame->requests.clear();
    PressKey(dialog.Edit(), VK_F1);
    bool sawKeyUp = false;
    for (const HelpRequest& request : frame->requests) {
        sawKeyUp |= request.message == WM_KEYUP && request.key == VK_F1 && request.topic == "copy_move.htm";
    }
    EXPECT_TRUE(sawKeyUp);
}

TEST_F(DialogBaseTest, WithoutAMainFrameNothingIsSent) {
    CControlsDialog dialog({IDI_COPY, IDI_HELP_LINK, "copy_move.htm"});
    Open(dialog);
    ::DestroyWindow(frame->hwnd());
    PumpPendingMessages();
    EXPECT_EQ(MainFrameWindow(), nullptr);
    EXPECT_EQ(dialog.RequestHelp(), 0);
    TypeText(dialog.Edit(), "x");
    EXPECT_EQ(TextOf(dialog.Edit()), "x");
}

// The frame drawn into a 32-bit surface of the dialog's client size.
std::unique_ptr<DibSurface> DrawnFrame(const DialogBase& dialog) {
    RECT client;
    ::GetClientRect(dialog.hwnd(), &client);
    auto surface = std::make_unique<DibSurface>(client.right, client.bottom, kUntouched);
    dialog.DrawFrame(surface->dc());
    return surface;
}

TEST_F(DialogBaseTest, TheFooterBandIsAGradientOfTheFaceUnderADarkerLine) {
    CControlsDialog dialog({DialogBase::kNoIcon, DialogBase::kNoIcon, ""});
    ASSERT_TRUE(dialog.Create(nullptr));
    const auto surface = DrawnFrame(dialog);
    const DialogFrameLayout layout = dialog.Layout();
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const int rows = layout.footer.bottom - layout.footer.top;
    ASSERT_EQ(rows, 25 * HIWORD(::GetDialogBaseUnits()) / 8);
    const std::vector<Color> shades = GradientColors(face, 0.2, 0.6, rows);
    for (int x : {0, layout.footer.right / 2, layout.footer.right - 1}) {
        EXPECT_EQ(surface->At(x, layout.footer.bottom - 1), Lighten(face, 0.2)) << x;
        EXPECT_EQ(surface->At(x, layout.footer.top), FooterLineColor(face)) << x;
        EXPECT_EQ(surface->At(x, layout.footer.top + 1), shades[static_cast<std::size_t>(rows - 2)]) << x;
        EXPECT_EQ(surface->At(x, layout.footer.top - 1), kUntouched) << x;
    }
    // Without icons nothing else is drawn.
    EXPECT_EQ(surface->CountOf(kUntouched), layout.footer.right * layout.footer.top);
}

TEST_F(DialogBaseTest, TheIconsSitAtTheirPlaces) {
    CControlsDialog dialog({IDI_COPY, IDI_HELP_LINK, "copy_move.htm"});
    ASSERT_TRUE(dialog.Create(nullptr));
    const auto surface = DrawnFrame(dialog);
    const DialogFrameLayout layout = dialog.Layout();
    // Above the band only the header icon's 32-pixel square is painted.
    int outside = 0;
    int inside = 0;
    for (int y = 0; y < layout.footer.top; ++y) {
        for (int x = 0; x < layout.footer.right; ++x) {
            const bool inIcon = x >= layout.largeIcon.x && x < layout.largeIcon.x + 32 && y >= layout.largeIcon.y &&
                                y < layout.largeIcon.y + 32;
            const bool painted = surface->At(x, y) != kUntouched;
            (inIcon ? inside : outside) += painted ? 1 : 0;
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 100);

    // The help icon changes the band inside its 24-pixel square only.
    CControlsDialog bare({DialogBase::kNoIcon, DialogBase::kNoIcon, ""});
    ASSERT_TRUE(bare.Create(nullptr));
    const auto band = DrawnFrame(bare);
    int changed = 0;
    for (int y = layout.footer.top; y < layout.footer.bottom; ++y) {
        for (int x = 0; x < layout.footer.right; ++x) {
            if (surface->At(x, y) == band->At(x, y)) continue;
            ++changed;
            EXPECT_TRUE(x >= layout.smallIcon.left && x < layout.smallIcon.left + 24 && y >= layout.smallIcon.top &&
                        y < layout.smallIcon.top + 24)
                << x << "," << y;
        }
    }
    EXPECT_GT(changed, 50);
}

TEST_F(DialogBaseTest, TheScreenShowsTheBandUnderTheDialogsControls) {
    CControlsDialog dialog({IDI_COPY, IDI_HELP_LINK, "copy_move.htm"});
    Open(dialog);
    const DialogFrameLayout layout = dialog.Layout();
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const HDC dc = ::GetDC(dialog.hwnd());
    const int right = layout.footer.right - 2;  // beside the buttons
    EXPECT_EQ(::GetPixel(dc, right, layout.footer.bottom - 1), Lighten(face, 0.2));
    EXPECT_EQ(::GetPixel(dc, right, layout.footer.top), FooterLineColor(face));
    EXPECT_EQ(::GetPixel(dc, right, layout.footer.top - 1), face);
    // The "Help" link is blue over the band.
    const RECT link = ChildRect(dialog.HelpLink());
    int blue = 0;
    for (int y = link.top; y < link.bottom; ++y) {
        for (int x = link.left; x < link.right; ++x) blue += ::GetPixel(dc, x, y) == RGB(0, 0, 255) ? 1 : 0;
    }
    EXPECT_GT(blue, 10);
    // Past its text the label shows the band through.
    const int rows = layout.footer.bottom - layout.footer.top;
    const std::vector<Color> shades = GradientColors(face, 0.2, 0.6, rows);
    const int y = link.bottom - 2;
    EXPECT_EQ(::GetPixel(dc, link.right - 2, y), shades[static_cast<std::size_t>(layout.footer.bottom - 1 - y)]);
    ::ReleaseDC(dialog.hwnd(), dc);
}

class CPaintingDialog : public DialogBase {
public:
    CPaintingDialog() : DialogBase(IDD_CONTROLS) {}

protected:
    void PaintContent(HDC dc, const RECT&) override {
        const RECT mark{2, 2, 6, 6};
        ::FillRect(dc, &mark, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
};

TEST_F(DialogBaseTest, ADialogPaintsOverTheFrameInTheSamePass) {
    CPaintingDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    ASSERT_TRUE(dialog.SetupFrame(DialogBase::kNoIcon, DialogBase::kNoIcon, ""));
    ShowAndPaint(dialog.hwnd());
    const HDC dc = ::GetDC(dialog.hwnd());
    EXPECT_EQ(::GetPixel(dc, 3, 3), RGB(0, 0, 0));
    EXPECT_EQ(::GetPixel(dc, 8, 8), ::GetSysColor(COLOR_BTNFACE));
    RECT client;
    ::GetClientRect(dialog.hwnd(), &client);
    EXPECT_EQ(::GetPixel(dc, client.right - 2, client.bottom - 1), Lighten(::GetSysColor(COLOR_BTNFACE), 0.2));
    ::ReleaseDC(dialog.hwnd(), dc);
}

}  // namespace

// Every control of ours set up together on a dialog of the common frame, as the program's
// dialogs will use them. With KESTRUM_SHOWCASE_MS set the dialog stays up that long, for a look
// at it on the test display.
TEST_F(DialogBaseTest, EveryControlWorksTogetherOnOneDialog) {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillon Works\\Kestrum\\MoveCopyFolders");
        SettingsStore::ForgetHeldValues();
    CControlsDialog dialog({IDI_COPY, IDI_HELP_LINK, "copy_move.htm"});
    ASSERT_TRUE(dialog.Create(nullptr));
    ASSERT_TRUE(dialog.history.Init("MoveCopyFolders", 10, 260));
    ::SendMessageA(dialog.Item(IDC_TEST_HISTORY), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("C:\\Archive"));
    ASSERT_TRUE(dialog.helpButton.SetIcon(7, IDI_HELP_BUTTON, false));
    ASSERT_TRUE(dialog.restoreButton.SetIcon(3, IDI_SHOW_WINDOW, false));
    ASSERT_TRUE(dialog.closeButton.SetIcon(0, IDI_HIDE_POPUP, true));
    ASSERT_TRUE(dialog.link.SetTarget("https://www.example.org/"));
    dialog.version.SetColours(false, ::GetSysColor(COLOR_BTNTEXT), RGB(255, 255, 255));
    ShowAndPaint(dialog.hwnd());
    ::SetFocus(dialog.HistoryEdit());
    TypeText(dialog.HistoryEdit(), "c:\\a");
    EXPECT_EQ(TextOf(dialog.Item(IDC_TEST_HISTORY)), "C:\\Archive");

    if (const char* linger = std::getenv("KESTRUM_SHOWCASE_MS")) {
        const DWORD end = ::GetTickCount() + static_cast<DWORD>(std::atoi(linger));
        while (::GetTickCount() < end) {
            PumpPendingMessages();
            ::Sleep(20);
        }
    }
    // Each control still answers: the link opens nothing without being clicked, and help works.
    EXPECT_EQ(dialog.RequestHelp(), 1);
    EXPECT_EQ(frame->Topics(), (std::vector<std::string>{"copy_move.htm"}));
    ::DestroyWindow(dialog.hwnd());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillon Works\\Kestrum\\MoveCopyFolders");
        SettingsStore::ForgetHeldValues();
}
