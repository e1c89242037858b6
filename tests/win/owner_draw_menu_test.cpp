// OwnerDrawMenu under Wine: conversion of a whole tree, measuring, the painted pixels of each
// kind of item, the shared scheme, mnemonics, release, and a real window that routes the
// system's requests to it.
#include "ui/owner_draw_menu.h"

#include <gtest/gtest.h>

#include "dib_surface.h"
#include "resource.h"
#include "ui/gradient.h"

namespace {

constexpr int kOpen = 57601;
constexpr int kExplore = 32783;
constexpr int kStatusbar = 32804;
constexpr int kOriginal = 32799;
constexpr int kProducts = 32835;

// &File: Open, Explore, separator, Statusbar (checked), Interface Colors > Original; then a
// plain command on the bar itself.
struct TestMenus {
    HMENU bar = ::CreateMenu();
    HMENU file = ::CreatePopupMenu();
    HMENU colors = ::CreatePopupMenu();

    TestMenus() {
        ::AppendMenuA(colors, MF_STRING, kOriginal, "&Original\tAlt+O");
        ::AppendMenuA(file, MF_STRING, kOpen, "&Open\tEnter");
        ::AppendMenuA(file, MF_STRING, kExplore, "&Explore\tF3");
        ::AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(file, MF_STRING | MF_CHECKED, kStatusbar, "&Statusbar\tCtrl+R");
        ::AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(colors), "Interface &Colors");
        ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
        ::AppendMenuA(bar, MF_STRING, kProducts, "All &Our Products");
    }
};

MENUITEMINFOA ItemInfo(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID;
    ::GetMenuItemInfoA(menu, position, TRUE, &info);
    return info;
}

int TextWidth(const char* text, bool bold = false) {
    LOGFONTA font{};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    if (bold) font.lfWeight = 700;
    HFONT handle = ::CreateFontIndirectA(&font);
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ previous = ::SelectObject(screen, handle);
    SIZE extent{};
    ::GetTextExtentPoint32A(screen, text, static_cast<int>(strlen(text)), &extent);
    ::SelectObject(screen, previous);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(handle);
    return extent.cx;
}

MEASUREITEMSTRUCT Measure(HMENU menu, UINT position) {
    const MENUITEMINFOA info = ItemInfo(menu, position);
    MEASUREITEMSTRUCT request{};
    request.CtlType = ODT_MENU;
    request.itemID = info.wID;
    request.itemData = info.dwItemData;
    request.itemWidth = 777;
    OwnerDrawMenu::MeasureAnyItem(&request);
    return request;
}

// Draws one item into a 32-bit bitmap and keeps the pixels for reading.
class DrawnItem : public DibSurface {
public:
    DrawnItem(HMENU menu, UINT position, UINT state, int width, int height)
        : DibSurface(width, height, RGB(1, 2, 3)) {
        const MENUITEMINFOA info = ItemInfo(menu, position);
        DRAWITEMSTRUCT request{};
        request.CtlType = ODT_MENU;
        request.itemID = info.wID;
        request.itemState = state;
        request.hwndItem = reinterpret_cast<HWND>(menu);
        request.hDC = dc();
        request.rcItem = Bounds();
        request.itemData = info.dwItemData;
        drawn_ = OwnerDrawMenu::DrawAnyItem(&request);
    }
    bool drawn() const { return drawn_; }

private:
    bool drawn_ = false;
};

const COLORREF kHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
const COLORREF kFace = ::GetSysColor(COLOR_BTNFACE);
const COLORREF kMenu = ::GetSysColor(COLOR_MENU);

class OwnerDrawMenuTest : public testing::Test {
protected:
    void SetUp() override {
        menu.Attach(menus.bar);
        ASSERT_TRUE(menu.Enable());
    }
    void TearDown() override { menu.SetScheme(kSchemeClassic); }

    TestMenus menus;
    OwnerDrawMenu menu;
};

TEST_F(OwnerDrawMenuTest, EveryItemOfTheTreeBecomesOwnerDrawnWithARecord) {
    for (HMENU popup : {menus.bar, menus.file, menus.colors}) {
        for (int position = 0; position < ::GetMenuItemCount(popup); ++position) {
            const MENUITEMINFOA info = ItemInfo(popup, static_cast<UINT>(position));
            EXPECT_NE(info.fType & MFT_OWNERDRAW, 0u) << position;
            EXPECT_NE(info.dwItemData, 0u) << position;
        }
        EXPECT_NE(OwnerDrawMenu::FromHandle(popup), nullptr);
    }
    EXPECT_EQ(OwnerDrawMenu::FromHandle(menus.bar), &menu);
    EXPECT_NE(ItemInfo(menus.file, 2).fType & MFT_SEPARATOR, 0u);  // still a separator
    EXPECT_TRUE(menu.Enable());  // enabling again keeps the state
    EXPECT_TRUE(menu.IsEnabled());
}

TEST(OwnerDrawMenu, DoesNothingBeforeItIsEnabled) {
    TestMenus menus;
    OwnerDrawMenu menu;
    menu.Attach(menus.bar);
    EXPECT_FALSE(menu.AddImage(kOpen, IDI_OPEN));
    EXPECT_FALSE(menu.SetScheme(kSchemeModern));
    EXPECT_EQ(ItemInfo(menus.file, 0).fType & MFT_OWNERDRAW, 0u);
    OwnerDrawMenu empty;
    EXPECT_FALSE(empty.Enable());  // no menu at all
}

TEST_F(OwnerDrawMenuTest, AddImageFindsCommandsAnywhereInTheTree) {
    EXPECT_TRUE(menu.AddImage(kOpen, IDI_OPEN));
    EXPECT_TRUE(menu.AddImage(kOriginal, IDI_OPTIONS));  // in a sub-sub-menu
    EXPECT_FALSE(menu.AddImage(4242, IDI_OPEN));         // no such command
    EXPECT_FALSE(menu.AddImage(kExplore, 9999));         // no such icon
}

TEST_F(OwnerDrawMenuTest, MeasuresFromTheWidestLabelAndAccelerator) {
    // The sub-menu item's text counts as a label of the popup too.
    const int label = std::max({TextWidth("&Open"), TextWidth("&Explore"), TextWidth("&Statusbar"),
                                TextWidth("Interface &Colors")});
    const int accelerator = std::max({TextWidth("Enter"), TextWidth("F3"), TextWidth("Ctrl+R")});
    const MEASUREITEMSTRUCT open = Measure(menus.file, 0);
    EXPECT_EQ(open.itemWidth, static_cast<UINT>(label + 10 + accelerator + 37));
    EXPECT_EQ(open.itemHeight, 22u);

    const MEASUREITEMSTRUCT separator = Measure(menus.file, 2);
    EXPECT_EQ(separator.itemHeight, 3u);
    EXPECT_EQ(separator.itemWidth, 777u);  // left to the system

    const MEASUREITEMSTRUCT colors = Measure(menus.file, 4);
    EXPECT_EQ(colors.itemWidth, static_cast<UINT>(TextWidth("Interface Colors") + 8));
    const MEASUREITEMSTRUCT file = Measure(menus.bar, 0);
    EXPECT_EQ(file.itemWidth, static_cast<UINT>(TextWidth("File") + 8));
    EXPECT_EQ(file.itemHeight, 22u);
    const MEASUREITEMSTRUCT products = Measure(menus.bar, 1);
    EXPECT_EQ(products.itemWidth, static_cast<UINT>(TextWidth("All Our Products") + 8));
}

TEST_F(OwnerDrawMenuTest, SeparatorIsIconColumnBackgroundAndOneLine) {
    const DrawnItem item(menus.file, 2, 0, 100, 3);
    ASSERT_TRUE(item.drawn());
    EXPECT_EQ(item.At(5, 0), GradientColors(kFace, 0.9, 0.0, 23)[5]);
    EXPECT_EQ(item.At(40, 0), kMenu);
    EXPECT_EQ(item.At(25, 1), kMenu);  // the line starts at 31
    EXPECT_EQ(item.At(40, 1), Darken(Lighten(kFace, 0.16), 0.18));
    EXPECT_EQ(item.At(99, 1), Darken(Lighten(kFace, 0.16), 0.18));
    EXPECT_EQ(item.At(40, 2), kMenu);
}

TEST_F(OwnerDrawMenuTest, SelectedItemIsHighlightedButNotWhenGreyed) {
    const DrawnItem selected(menus.file, 1, ODS_SELECTED, 120, 22);
    ASSERT_TRUE(selected.drawn());
    EXPECT_EQ(selected.At(0, 0), kHighlight);
    EXPECT_EQ(selected.At(118, 20), GradientColors(kHighlight, 0.75, 0.99, 22)[1]);
    const DrawnItem greyed(menus.file, 1, ODS_SELECTED | ODS_GRAYED, 120, 22);
    EXPECT_EQ(greyed.At(118, 20), kMenu);
}

TEST_F(OwnerDrawMenuTest, CheckedItemShowsTheCheckBoxInsteadOfItsIcon) {
    ASSERT_TRUE(menu.AddImage(kStatusbar, IDI_OPEN));
    const DrawnItem item(menus.file, 3, ODS_CHECKED, 120, 22);
    ASSERT_TRUE(item.drawn());
    EXPECT_EQ(item.At(1, 1), kHighlight);
    EXPECT_EQ(item.At(20, 20), kHighlight);
    EXPECT_EQ(item.At(2, 2), Lighten(kHighlight, 0.85));
    EXPECT_EQ(item.At(19, 19), Lighten(kHighlight, 0.85));
    const DrawnItem selected(menus.file, 3, ODS_CHECKED | ODS_SELECTED, 120, 22);
    EXPECT_EQ(selected.At(2, 2), Lighten(kHighlight, 0.5));
}

TEST_F(OwnerDrawMenuTest, IconsAreDrawnAndGreyedWithTheSchemeBackground) {
    ASSERT_TRUE(menu.AddImage(kOpen, IDI_OPEN));
    const DrawnItem withIcon(menus.file, 0, 0, 120, 22);
    const DrawnItem withoutIcon(menus.file, 1, 0, 120, 22);
    int differing = 0;
    for (int y = 4; y < 20; ++y) {
        for (int x = 4; x < 20; ++x) differing += withIcon.At(x, y) != withoutIcon.At(x, y) ? 1 : 0;
    }
    EXPECT_GT(differing, 40);
    const DrawnItem greyed(menus.file, 0, ODS_GRAYED, 120, 22);
    for (int x = 4; x < 20; ++x) {
        EXPECT_EQ(greyed.At(x, 4), kFace) << x;
        EXPECT_EQ(greyed.At(x, 18), kFace) << x;
    }
}

TEST_F(OwnerDrawMenuTest, MenuBarItemsUseTheBarElement) {
    const DrawnItem file(menus.bar, 0, 0, 40, 20);
    ASSERT_TRUE(file.drawn());
    EXPECT_EQ(file.At(1, 1), kFace);
    const DrawnItem hot(menus.bar, 0, ODS_HOTLIGHT, 40, 20);
    EXPECT_EQ(hot.At(0, 0), kHighlight);
}

TEST_F(OwnerDrawMenuTest, SchemeIsSharedByEveryMenuAndSetsTheBackgroundBrush) {
    TestMenus otherMenus;
    OwnerDrawMenu other;
    other.Attach(otherMenus.bar);
    ASSERT_TRUE(other.Enable());
    ASSERT_TRUE(ColorScheme().IsThemed());

    ASSERT_TRUE(menu.SetScheme(kSchemeOriginal));
    EXPECT_EQ(OwnerDrawMenu::CurrentScheme(), kSchemeOriginal);
    const DrawnItem item(otherMenus.file, 1, 0, 120, 22);
    EXPECT_EQ(item.At(60, 2), Lighten(kAccentColor, 0.9));

    for (HMENU popup : {menus.bar, menus.file, menus.colors}) {
        MENUINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = MIM_BACKGROUND;
        ASSERT_TRUE(::GetMenuInfo(popup, &info));
        LOGBRUSH brush{};
        ASSERT_NE(::GetObjectA(info.hbrBack, sizeof(brush), &brush), 0);
        EXPECT_EQ(brush.lbColor, Lighten(kAccentColor, 0.9));
    }
}

TEST_F(OwnerDrawMenuTest, MnemonicsAreFoundInTheRecords) {
    EXPECT_EQ(OwnerDrawMenu::MenuChar(menus.file, 'e'), MAKELRESULT(1, MNC_EXECUTE));
    EXPECT_EQ(OwnerDrawMenu::MenuChar(menus.file, 'C'), MAKELRESULT(4, MNC_EXECUTE));
    EXPECT_EQ(OwnerDrawMenu::MenuChar(menus.bar, 'f'), MAKELRESULT(0, MNC_EXECUTE));
    EXPECT_EQ(OwnerDrawMenu::MenuChar(menus.file, 'x'), 0);
}

TEST(OwnerDrawMenu, DisableReleasesRecordsAndDestroysTheMenu) {
    TestMenus menus;
    OwnerDrawMenu menu;
    menu.Attach(menus.bar);
    ASSERT_TRUE(menu.Enable());
    MEASUREITEMSTRUCT stale{};
    stale.CtlType = ODT_MENU;
    stale.itemData = ItemInfo(menus.file, 0).dwItemData;
    menu.Disable();
    EXPECT_FALSE(menu.IsEnabled());
    EXPECT_FALSE(::IsMenu(menus.bar));
    EXPECT_EQ(OwnerDrawMenu::FromHandle(menus.file), nullptr);
    EXPECT_FALSE(OwnerDrawMenu::MeasureAnyItem(&stale));
    EXPECT_FALSE(menu.AddImage(kOpen, IDI_OPEN));
    menu.Disable();  // twice is harmless
}

// A real window whose menu bar the system measures and draws through the menu object.
struct DrawCounts {
    int measured = 0;
    int drawn = 0;
};
DrawCounts g_counts;

LRESULT CALLBACK MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MEASUREITEM:
            if (OwnerDrawMenu::MeasureAnyItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
                ++g_counts.measured;
                return TRUE;
            }
            break;
        case WM_DRAWITEM:
            if (OwnerDrawMenu::DrawAnyItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) {
                ++g_counts.drawn;
                return TRUE;
            }
            break;
        default: break;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

TEST(OwnerDrawMenu, TheSystemMeasuresAndDrawsTheMenuBarThroughIt) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = MenuWindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "OwnerDrawMenuTestWindow";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassA(&windowClass);
    TestMenus menus;
    OwnerDrawMenu menu;
    menu.Attach(menus.bar);
    ASSERT_TRUE(menu.Enable());
    HWND window = ::CreateWindowExA(0, windowClass.lpszClassName, "Menu", WS_OVERLAPPEDWINDOW, 10, 10, 400, 200,
                                    nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    g_counts = {};
    ::SetMenu(window, menus.bar);
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::DrawMenuBar(window);
    ::UpdateWindow(window);
    MSG message;
    for (int i = 0; i < 20; ++i) {
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
        ::Sleep(10);
    }
    EXPECT_GT(g_counts.measured, 0);
    EXPECT_GT(g_counts.drawn, 0);

    // The "File" item on screen carries the bar element's colour just inside its left edge.
    RECT item{};
    ASSERT_TRUE(::GetMenuItemRect(window, menus.bar, 0, &item));
    RECT frame{};
    ::GetWindowRect(window, &frame);
    HDC dc = ::GetWindowDC(window);
    EXPECT_EQ(::GetPixel(dc, item.left - frame.left + 2, item.top - frame.top + 2), kFace);
    ::ReleaseDC(window, dc);

    ::SetMenu(window, nullptr);
    ::DestroyWindow(window);
}

}  // namespace
