// IconToolBar under Wine: the button table, icon sizes and labels, tips, command states through
// the framework, clicks, and the painted pixels in the three schemes compared with what the
// colour-scheme code computes.
#include "ui/icon_toolbar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dib_surface.h"
#include "listbar_test_support.h"
#include "resource.h"
#include "ui/gradient.h"
#include "ui/scheme_tables.h"
#include "ui/toolbar_rules.h"

namespace {

constexpr UINT kToolBarId = 59392;
constexpr unsigned kOpen = 57601;
constexpr unsigned kCopy = 32806;
constexpr unsigned kToolbar = 32805;  // a check button whose state follows a setting
constexpr unsigned kHelp = 32872;

const std::vector<ToolBarButton> kButtons = {
    {kOpen, 0, "Open", "Open Selected Document(s) (Enter)"},
    {kCopy, 1, "Copy", "Copy Selected Document(s) (Ctrl+C)"},
    {},
    {kToolbar, 2, "Toolbar", "", true},
    {kHelp, 3, "", "Help (F1)"},
};
constexpr int kSmallIcons[] = {IDI_OPEN, IDI_COPY, IDI_OPTIONS, IDI_HELP_CONTENTS};

int IndexOf(HWND toolbar, unsigned command) {
    return static_cast<int>(::SendMessageA(toolbar, TB_COMMANDTOINDEX, command, 0));
}

RECT ButtonRect(HWND toolbar, int index) {
    RECT rect{};
    ::SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

bool IsEnabled(HWND toolbar, unsigned command) { return ::SendMessageA(toolbar, TB_ISBUTTONENABLED, command, 0) != 0; }
bool IsChecked(HWND toolbar, unsigned command) { return ::SendMessageA(toolbar, TB_ISBUTTONCHECKED, command, 0) != 0; }

std::string ButtonText(HWND toolbar, unsigned command) {
    char text[128] = {};
    const auto length = ::SendMessageA(toolbar, TB_GETBUTTONTEXTA, command, reinterpret_cast<LPARAM>(text));
    return length > 0 ? std::string(text) : std::string();
}

class ToolBarTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.Make());
        ASSERT_TRUE(bar.Create(parent.hwnd(), kToolBarId, kButtons));
        ASSERT_TRUE(bar.SetIconSize(16, IDR_MAINFRAME));
        for (int id : kSmallIcons) ASSERT_TRUE(bar.AddIcon(id));
        PumpPendingMessages();
    }
    HWND Bar() const { return bar.hwnd(); }

    CTestParent parent;
    IconToolBar bar;
};

TEST_F(ToolBarTest, TheTableBecomesTheButtons) {
    EXPECT_EQ(::GetDlgCtrlID(Bar()), static_cast<int>(kToolBarId));
    EXPECT_TRUE(::IsWindowVisible(Bar()));
    ASSERT_EQ(::SendMessageA(Bar(), TB_BUTTONCOUNT, 0, 0), 5);
    const unsigned commands[] = {kOpen, kCopy, 0, kToolbar, kHelp};
    for (int index = 0; index < 5; ++index) {
        TBBUTTON button{};
        ::SendMessageA(Bar(), TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(static_cast<unsigned>(button.idCommand), commands[index]) << index;
        EXPECT_EQ((button.fsStyle & BTNS_SEP) != 0, index == 2) << index;
        EXPECT_EQ((button.fsStyle & BTNS_CHECK) != 0, index == 3) << index;
    }
    EXPECT_EQ(bar.IconSize(), 16);
    EXPECT_EQ(bar.IconCount(), 4);
    // Buttons are sized for the icons: at least the icon plus a margin each way.
    const RECT open = ButtonRect(Bar(), 0);
    EXPECT_GE(open.bottom - open.top, 16 + 4);
    EXPECT_GE(open.right - open.left, 16 + 4);
    // Labels are off until asked for.
    EXPECT_FALSE(bar.LabelsShown());
    EXPECT_EQ(ButtonText(Bar(), kOpen), "");
}

TEST(ToolBarSetup, RefusesWhatItCannotUse) {
    IconToolBar orphan;
    EXPECT_FALSE(orphan.Create(nullptr, kToolBarId, kButtons));
    EXPECT_FALSE(orphan.SetIconSize(16));
    EXPECT_FALSE(orphan.ShowLabels(true));

    CTestParent parent;
    ASSERT_TRUE(parent.Make());
    IconToolBar bar;
    ASSERT_TRUE(bar.Create(parent.hwnd(), kToolBarId, kButtons));
    EXPECT_FALSE(bar.Create(parent.hwnd(), kToolBarId, kButtons));  // one window per object
    EXPECT_FALSE(bar.AddIcon(IDI_OPEN));                            // no size yet
    EXPECT_FALSE(bar.SetIconSize(0));
    EXPECT_FALSE(bar.SetIconSize(-16));
    ASSERT_TRUE(bar.SetIconSize(16));
    EXPECT_FALSE(bar.AddIcon(9999));
    EXPECT_FALSE(bar.AddIcon(0));
    EXPECT_EQ(bar.IconCount(), 0);
    EXPECT_FALSE(bar.SetTip(12345, "nothing"));
    EXPECT_FALSE(bar.SetTip(0, "a separator"));
    EXPECT_EQ(bar.TipOf(12345), "");
}

TEST_F(ToolBarTest, LargeIconsResizeTheButtonsAndKeepIconsAndStates) {
    ::SendMessageA(Bar(), TB_CHECKBUTTON, kToolbar, TRUE);
    ::SendMessageA(Bar(), TB_ENABLEBUTTON, kCopy, FALSE);
    const RECT small = ButtonRect(Bar(), 0);

    ASSERT_TRUE(bar.SetIconSize(24, IDR_TOOLBAR_LARGE));
    EXPECT_EQ(bar.IconSize(), 24);
    EXPECT_EQ(bar.IconCount(), 4);
    const RECT large = ButtonRect(Bar(), 0);
    EXPECT_EQ(large.bottom - large.top, small.bottom - small.top + 8);
    EXPECT_EQ(large.right - large.left, small.right - small.left + 8);
    EXPECT_TRUE(IsChecked(Bar(), kToolbar));
    EXPECT_FALSE(IsEnabled(Bar(), kCopy));
    EXPECT_TRUE(IsEnabled(Bar(), kOpen));
    RECT window{};
    ::GetWindowRect(Bar(), &window);
    EXPECT_GE(window.bottom - window.top, large.bottom - large.top);

    ASSERT_TRUE(bar.SetIconSize(16, IDR_MAINFRAME));
    EXPECT_EQ(ButtonRect(Bar(), 0).bottom - ButtonRect(Bar(), 0).top, small.bottom - small.top);
}

TEST_F(ToolBarTest, LabelsComeAndGoAndTheButtonsKeepTheirStates) {
    ::SendMessageA(Bar(), TB_CHECKBUTTON, kToolbar, TRUE);
    const int plainHeight = ButtonRect(Bar(), 0).bottom - ButtonRect(Bar(), 0).top;
    ASSERT_TRUE(bar.ShowLabels(true));
    EXPECT_TRUE(bar.LabelsShown());
    EXPECT_EQ(ButtonText(Bar(), kOpen), "Open");
    EXPECT_EQ(ButtonText(Bar(), kToolbar), "Toolbar");
    EXPECT_EQ(ButtonText(Bar(), kHelp), "");
    EXPECT_GT(ButtonRect(Bar(), 0).bottom - ButtonRect(Bar(), 0).top, plainHeight);
    EXPECT_TRUE(IsChecked(Bar(), kToolbar));

    ASSERT_TRUE(bar.ShowLabels(false));
    EXPECT_EQ(ButtonText(Bar(), kOpen), "");
    EXPECT_EQ(ButtonRect(Bar(), 0).bottom - ButtonRect(Bar(), 0).top, plainHeight);
    EXPECT_TRUE(IsChecked(Bar(), kToolbar));
}

// The tip the tool bar gives its tooltip control, asked as the tooltip asks.
std::wstring TipFromToolBar(HWND toolbar, unsigned command) {
    const auto tooltip = reinterpret_cast<HWND>(::SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
    NMTTDISPINFOW request{};
    request.hdr = {tooltip, command, TTN_GETDISPINFOW};
    request.lpszText = request.szText;
    ::SendMessageW(toolbar, WM_NOTIFY, command, reinterpret_cast<LPARAM>(&request));
    return request.lpszText != nullptr ? request.lpszText : L"";
}

TEST_F(ToolBarTest, TipsComeFromTheTableAndCanBeReplaced) {
    EXPECT_EQ(TipFromToolBar(Bar(), kOpen), L"Open Selected Document(s) (Enter)");
    EXPECT_EQ(TipFromToolBar(Bar(), kHelp), L"Help (F1)");
    ASSERT_TRUE(bar.SetTip(kOpen, "\xC3\x96" "ffnen (Eingabe)"));
    EXPECT_EQ(TipFromToolBar(Bar(), kOpen), L"\u00D6ffnen (Eingabe)");
    EXPECT_EQ(bar.TipOf(kOpen), "\xC3\x96" "ffnen (Eingabe)");

    // The ANSI request straight from the parent, with a short buffer: cut, never overrun.
    char buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    NMTBGETINFOTIPA request{};
    request.hdr = {Bar(), kToolBarId, TBN_GETINFOTIPA};
    request.pszText = buffer;
    request.cchTextMax = 5;
    request.iItem = static_cast<int>(kHelp);
    ::SendMessageA(parent.hwnd(), WM_NOTIFY, kToolBarId, reinterpret_cast<LPARAM>(&request));
    EXPECT_STREQ(buffer, "Help");
    EXPECT_EQ(buffer[5], 'x');
}

TEST_F(ToolBarTest, CommandStatesComeFromTheFrameAndClicksAreCommands) {
    parent.SetStateToolbar(Bar());
    parent.snapshot = {.selection = false, .toolbarShown = true};
    parent.UpdateToolbarStates();
    EXPECT_FALSE(IsEnabled(Bar(), kOpen));
    EXPECT_FALSE(IsEnabled(Bar(), kCopy));
    EXPECT_TRUE(IsChecked(Bar(), kToolbar));
    EXPECT_TRUE(IsEnabled(Bar(), kHelp));

    // A disabled button does nothing when clicked.
    RECT open = ButtonRect(Bar(), IndexOf(Bar(), kOpen));
    ClickAt(Bar(), (open.left + open.right) / 2, (open.top + open.bottom) / 2);
    EXPECT_TRUE(parent.commands.empty());

    parent.snapshot = {.selection = true, .toolbarShown = false};
    parent.UpdateToolbarStates();
    EXPECT_TRUE(IsEnabled(Bar(), kOpen));
    EXPECT_FALSE(IsChecked(Bar(), kToolbar));
    ClickAt(Bar(), (open.left + open.right) / 2, (open.top + open.bottom) / 2);
    RECT help = ButtonRect(Bar(), IndexOf(Bar(), kHelp));
    ClickAt(Bar(), (help.left + help.right) / 2, (help.top + help.bottom) / 2);
    EXPECT_EQ(parent.commands, (std::vector<unsigned>{kOpen, kHelp}));
}

// --- Painting -------------------------------------------------------------------------------

// The colours the scheme tables are computed from, as the colour-scheme code gathers them.
SchemeColors CurrentColors() {
    const ThemeApi theme;
    SchemeColors colors;
    colors.highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    colors.buttonFace = ::GetSysColor(COLOR_BTNFACE);
    colors.menu = ::GetSysColor(COLOR_MENU);
    colors.themeHot = theme.ThemeColour(0);
    colors.themeDefault = theme.ThemeColour(1);
    return colors;
}

ElementPaint PaintOf(int kind, int scheme) {
    const auto paint = PaintForElement(kind, TableForScheme(scheme, ThemeApi().IsThemed()), CurrentColors());
    EXPECT_TRUE(paint.has_value());
    return paint.value_or(ElementPaint{});
}

// The colour of row `fromBottom` (0 = the bottom row) of a band of `height` rows painted with
// the element's first step, which is a gradient or a fill.
Color BandColor(const ElementPaint& paint, int height, int fromBottom) {
    const PaintStep& step = paint.steps[0];
    if (step.op == PaintOp::Fill) return step.color;
    return GradientColors(step.color, step.from, step.to, height)[static_cast<std::size_t>(fromBottom)];
}

// The tool bar's client area as it paints itself, read back exactly.
class Painted : public DibSurface {
public:
    explicit Painted(HWND toolbar) : DibSurface(ClientWidth(toolbar), ClientHeight(toolbar), RGB(1, 2, 3)) {
        ::SendMessageA(toolbar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc()), PRF_CLIENT | PRF_ERASEBKGND);
    }
    static int ClientWidth(HWND window) {
        RECT client{};
        ::GetClientRect(window, &client);
        return client.right;
    }
    static int ClientHeight(HWND window) {
        RECT client{};
        ::GetClientRect(window, &client);
        return client.bottom;
    }
};

class ToolBarPaintTest : public ToolBarTest, public testing::WithParamInterface<int> {};

TEST_P(ToolBarPaintTest, BackgroundIsTheSchemeGradientFromBottomToTop) {
    const int scheme = GetParam();
    bar.SetScheme(scheme);
    EXPECT_EQ(bar.Scheme(), scheme);
    const Painted surface(Bar());
    const int width = Painted::ClientWidth(Bar());
    const int height = Painted::ClientHeight(Bar());
    ASSERT_GT(width, 200);
    ASSERT_GT(height, 16);
    const ElementPaint background = PaintOf(element::kToolBarBackground, scheme);
    // Right of the last button only the background shows.
    const int x = width - 3;
    EXPECT_EQ(surface.At(x, height - 1), BandColor(background, height, 0));
    EXPECT_EQ(surface.At(x, 0), BandColor(background, height, height - 1));
    EXPECT_EQ(surface.At(x, height / 2), BandColor(background, height, height - 1 - height / 2));
    EXPECT_EQ(surface.CountOf(RGB(1, 2, 3)), 0);

    // The window on the screen shows the same as the printed copy.
    ::RedrawWindow(Bar(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const HDC screen = ::GetDC(Bar());
    EXPECT_EQ(::GetPixel(screen, x, 0), surface.At(x, 0));
    EXPECT_EQ(::GetPixel(screen, x, height - 1), surface.At(x, height - 1));
    ::ReleaseDC(Bar(), screen);
}

TEST_P(ToolBarPaintTest, HotCheckedAndPressedButtonsShowTheirElements) {
    const int scheme = GetParam();
    bar.SetScheme(scheme);
    ::SendMessageA(Bar(), TB_CHECKBUTTON, kToolbar, TRUE);
    ::SendMessageA(Bar(), TB_PRESSBUTTON, kHelp, TRUE);
    const int copy = IndexOf(Bar(), kCopy);
    ::SendMessageA(Bar(), TB_SETHOTITEM, static_cast<WPARAM>(copy), 0);
    ASSERT_EQ(::SendMessageA(Bar(), TB_GETHOTITEM, 0, 0), copy);
    const Painted surface(Bar());

    struct Probe {
        unsigned command;
        int kind;
    };
    for (const Probe probe : {Probe{kCopy, element::kToolBarHot}, Probe{kToolbar, element::kToolBarHot},
                              Probe{kHelp, element::kToolBarPressed}}) {
        const RECT button = ButtonRect(Bar(), IndexOf(Bar(), probe.command));
        const ElementPaint paint = PaintOf(probe.kind, scheme);
        ASSERT_EQ(paint.count, 2);
        const int bandHeight = (button.bottom - 1) - (button.top + 1);
        // Inside the one-pixel frame, left of the icon: the band one row above its bottom and one
        // below its top.
        EXPECT_EQ(surface.At(button.left + 1, button.bottom - 3), BandColor(paint, bandHeight, 1)) << probe.command;
        EXPECT_EQ(surface.At(button.left + 1, button.top + 2), BandColor(paint, bandHeight, bandHeight - 2)) << probe.command;
        // The frame.
        EXPECT_EQ(surface.At(button.left, (button.top + button.bottom) / 2), paint.steps[1].color) << probe.command;
        EXPECT_EQ(surface.At(button.right - 1, button.top + 1), paint.steps[1].color) << probe.command;
    }

    // A plain button shows the bar's gradient as it runs beside it, with no frame and no seam.
    const RECT open = ButtonRect(Bar(), IndexOf(Bar(), kOpen));
    const ElementPaint background = PaintOf(element::kToolBarBackground, scheme);
    const int height = Painted::ClientHeight(Bar());
    for (const int y : {open.top, (open.top + open.bottom) / 2, open.bottom - 1}) {
        EXPECT_EQ(surface.At(open.left, y), BandColor(background, height, height - 1 - y)) << y;
        EXPECT_EQ(surface.At(open.left + 1, y), surface.At(Painted::ClientWidth(Bar()) - 3, y)) << y;
    }
}

TEST_P(ToolBarPaintTest, DisabledIconsAreGreyedAndSeparatorsEtched) {
    const int scheme = GetParam();
    bar.SetScheme(scheme);
    const RECT copy = ButtonRect(Bar(), IndexOf(Bar(), kCopy));
    const ToolBarButtonLayout layout = LayoutToolBarButton({copy.left, copy.top, copy.right, copy.bottom}, 16, false);
    const COLORREF grey = ColorScheme().SchemeBackground(scheme);
    {
        const Painted enabled(Bar());
        int covered = 0;
        for (int row = 0; row < 16; row += 2) covered += enabled.At(layout.icon.x, layout.icon.y + row) == grey ? 1 : 0;
        EXPECT_LT(covered, 8);
    }
    ::SendMessageA(Bar(), TB_ENABLEBUTTON, kCopy, FALSE);
    const Painted disabled(Bar());
    for (int column = 0; column < 16; column += 5) {
        for (int row = 0; row < 16; row += 2) {
            EXPECT_EQ(disabled.At(layout.icon.x + column, layout.icon.y + row), grey) << column << "," << row;
        }
    }

    const RECT separator = ButtonRect(Bar(), 2);
    const PixelRect mark = SeparatorMark({separator.left, separator.top, separator.right, separator.bottom});
    const ElementPaint etched = PaintOf(element::kToolBarSeparator, scheme);
    const int middle = (mark.top + mark.bottom) / 2;
    EXPECT_EQ(disabled.At(mark.left, middle), etched.steps[0].color);
    EXPECT_EQ(disabled.At(mark.left + 1, middle), etched.steps[0].second);
    // Above the mark the background shows through.
    EXPECT_NE(disabled.At(mark.left, separator.top), etched.steps[0].color);
}

TEST_P(ToolBarPaintTest, TheStripStandsInForAMissingIcon) {
    const int scheme = GetParam();
    CTestParent otherParent;
    ASSERT_TRUE(otherParent.Make());
    IconToolBar stripOnly;
    ASSERT_TRUE(stripOnly.Create(otherParent.hwnd(), kToolBarId, kButtons));
    ASSERT_TRUE(stripOnly.SetIconSize(16, IDR_MAINFRAME));
    stripOnly.SetScheme(scheme);
    IconToolBar nothing;
    ASSERT_TRUE(nothing.Create(otherParent.hwnd(), kToolBarId + 1, kButtons));
    ASSERT_TRUE(nothing.SetIconSize(16));
    nothing.SetScheme(scheme);

    const Painted withStrip(stripOnly.hwnd());
    const Painted without(nothing.hwnd());
    const RECT open = ButtonRect(stripOnly.hwnd(), 0);
    int differing = 0;
    for (int y = open.top; y < open.bottom; ++y) {
        for (int x = open.left; x < open.right; ++x) differing += withStrip.At(x, y) != without.At(x, y) ? 1 : 0;
    }
    // The strip's picture of Open is drawn (its magenta shows the bar through, never magenta).
    EXPECT_GT(differing, 40);
    EXPECT_EQ(withStrip.CountOf(RGB(255, 0, 255)), 0);
}

INSTANTIATE_TEST_SUITE_P(Schemes, ToolBarPaintTest, testing::Values(kSchemeClassic, kSchemeModern, kSchemeOriginal));

}  // namespace
