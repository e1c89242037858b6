// Window utilities with real windows: class tests, window facts, animation, translucency, the
// running-copy search, context menus and list-box lookups.
#include "ui/window_utils.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/win_handles.h"
#include "thread_window_driver.h"
#include "ui/window_animator.h"

namespace {

void Pump() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
}

// Unframed pop-ups, as the recent-documents popup is; they also hide without waiting for a
// window manager that the test display does not run.
UniqueWindow MakePopup(int x, int y, int width, int height, bool visible) {
    return UniqueWindow(::CreateWindowExA(0, "STATIC", "", WS_POPUP | (visible ? WS_VISIBLE : 0), x, y, width,
                                          height, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
}

UniqueWindow MakeChild(const char* className, HWND parent, DWORD style = 0) {
    return UniqueWindow(::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 50, 20, parent,
                                          nullptr, ::GetModuleHandleA(nullptr), nullptr));
}

class WindowUtilsTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
        ::InitCommonControlsEx(&controls);
    }
    // Hidden unless a test needs it shown: hiding or destroying a shown window costs seconds
    // on a display without a window manager.
    void SetUp() override {
        parent = MakePopup(0, 0, 800, 600, false);
        ASSERT_TRUE(parent);
    }

    UniqueWindow parent;
};

using ClassTest = bool (*)(HWND);

TEST_F(WindowUtilsTest, EachClassTestKnowsItsOwnClassOnly) {
    const struct {
        const char* className;
        ClassTest test;
    } cases[] = {{"BUTTON", IsButton},          {"static", IsStatic},
                 {WC_LISTVIEWA, IsListView},    {"ComboBox", IsComboBox},
                 {"LISTBOX", IsListBox},        {WC_TABCONTROLA, IsTabControl},
                 {UPDOWN_CLASSA, IsUpDown}};
    for (const auto& made : cases) {
        const UniqueWindow control = MakeChild(made.className, parent.get());
        ASSERT_TRUE(control) << made.className;
        for (const auto& asked : cases) {
            EXPECT_EQ(asked.test(control.get()), &made == &asked) << made.className << " asked as "
                                                                  << asked.className;
        }
    }
}

TEST_F(WindowUtilsTest, ClassTestsOnDeadWindowsAreFalse) {
    UniqueWindow button = MakeChild("BUTTON", parent.get());
    const HWND handle = button.get();
    ASSERT_TRUE(IsButton(handle));
    button.reset();
    EXPECT_FALSE(IsButton(handle));
    EXPECT_FALSE(IsButton(nullptr));
    std::string name = "stale";
    EXPECT_FALSE(ClassNameOf(handle, name));
    EXPECT_EQ(name, "");
    EXPECT_FALSE(IsLiveWindow(handle));
}

TEST_F(WindowUtilsTest, WindowFacts) {
    const UniqueWindow popup = MakePopup(10, 20, 300, 200, false);
    std::string name;
    EXPECT_TRUE(ClassNameOf(popup.get(), name));
    EXPECT_TRUE(HasClassName(popup.get(), "STATIC"));
    EXPECT_EQ(WindowWidth(popup.get()), 300);
    EXPECT_EQ(WindowHeight(popup.get()), 200);
    EXPECT_EQ(WindowWidth(nullptr), 0);
    EXPECT_EQ(WindowHeight(nullptr), 0);
    EXPECT_TRUE(NewerSystem());
}

TEST_F(WindowUtilsTest, AnimatorWithoutTheEntryHidesAndShowsAtOnce) {
    const WindowAnimator animator("user32.dll", "NoSuchAnimateWindow");
    ASSERT_FALSE(animator.HasAnimation());
    const UniqueWindow popup = MakePopup(10, 20, 300, 200, true);
    EXPECT_EQ(animator.Animate(popup.get(), 300, AW_HIDE | AW_BLEND), 1);
    EXPECT_FALSE(::IsWindowVisible(popup.get()));  // at once, not after 300 ms
    EXPECT_EQ(animator.Animate(popup.get(), 300, AW_BLEND), 1);
    EXPECT_TRUE(::IsWindowVisible(popup.get()));
    EXPECT_EQ(animator.Animate(nullptr, 300, AW_HIDE), 0);
}

TEST_F(WindowUtilsTest, AnimatorHidesAndShowsWithTheSystemAnimation) {
    WindowAnimator animator;
    ASSERT_TRUE(animator.HasAnimation());
    EXPECT_TRUE(animator.Enabled());
    const UniqueWindow popup = MakePopup(10, 20, 300, 200, true);
    EXPECT_EQ(animator.Animate(popup.get(), 50, AW_HIDE | AW_BLEND), 1);
    EXPECT_FALSE(::IsWindowVisible(popup.get()));
    // Hiding a hidden window makes the system call fail; the result and the state still hold.
    EXPECT_EQ(animator.Animate(popup.get(), 50, AW_HIDE | AW_BLEND), 1);
    EXPECT_FALSE(::IsWindowVisible(popup.get()));
    EXPECT_EQ(animator.Animate(popup.get(), 50, AW_BLEND), 1);
    EXPECT_TRUE(::IsWindowVisible(popup.get()));

    animator.SetEnabled(false);
    EXPECT_EQ(animator.Animate(popup.get(), 5000, AW_HIDE | AW_BLEND), 1);
    EXPECT_FALSE(::IsWindowVisible(popup.get()));
}

TEST_F(WindowUtilsTest, TranslucencyFlagsFollowTheMode) {
    const UniqueWindow popup = MakePopup(10, 20, 300, 200, true);
    const struct {
        int mode;
        DWORD flags;
    } cases[] = {{0, LWA_COLORKEY}, {1, LWA_ALPHA}, {5, LWA_COLORKEY | LWA_ALPHA}};
    for (const auto& c : cases) {
        ASSERT_TRUE(SetTranslucency(popup.get(), RGB(1, 2, 3), 200, c.mode)) << c.mode;
        EXPECT_TRUE(::GetWindowLongPtrA(popup.get(), GWL_EXSTYLE) & WS_EX_LAYERED);
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(::GetLayeredWindowAttributes(popup.get(), &key, &alpha, &flags));
        EXPECT_EQ(flags, c.flags) << c.mode;
        if (c.flags & LWA_ALPHA) {
            EXPECT_EQ(alpha, 200);
        }
        if (c.flags & LWA_COLORKEY) {
            EXPECT_EQ(key, RGB(1, 2, 3));
        }
    }
    EXPECT_FALSE(SetTranslucency(nullptr, 0, 200, 1));
}

TEST_F(WindowUtilsTest, ActivateRunningCopyShowsEveryMarkedWindow) {
    const std::intptr_t marker = 0x4B53 + static_cast<std::intptr_t>(::GetCurrentProcessId()) * 0x10000;
    const UniqueWindow first = MakePopup(10, 20, 100, 100, false);
    const UniqueWindow second = MakePopup(30, 40, 100, 100, false);
    const UniqueWindow unmarked = MakePopup(50, 60, 100, 100, false);
    SetInstanceMarker(first.get(), marker);
    SetInstanceMarker(second.get(), marker);
    EXPECT_EQ(::GetWindowLongPtrA(first.get(), GWLP_USERDATA), marker);

    EXPECT_TRUE(ActivateRunningCopy(marker));
    EXPECT_TRUE(::IsWindowVisible(first.get()));
    EXPECT_TRUE(::IsWindowVisible(second.get()));
    EXPECT_FALSE(::IsWindowVisible(unmarked.get()));
    // A later search with nothing to find says so.
    EXPECT_FALSE(ActivateRunningCopy(marker + 1));
}

TEST_F(WindowUtilsTest, FindListBoxItemByData) {
    const UniqueWindow list = MakeChild("LISTBOX", parent.get());
    for (LPARAM data : {10, 20, 30, 20}) {
        const auto index = ::SendMessageA(list.get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
        ::SendMessageA(list.get(), LB_SETITEMDATA, static_cast<WPARAM>(index), data);
    }
    EXPECT_EQ(FindListBoxItemByData(list.get(), 20), 1);
    EXPECT_EQ(FindListBoxItemByData(list.get(), 30), 2);
    EXPECT_EQ(FindListBoxItemByData(list.get(), 40), -1);
    const UniqueWindow combo = MakeChild("COMBOBOX", parent.get());
    EXPECT_EQ(FindListBoxItemByData(combo.get(), 0), -1);
    EXPECT_EQ(FindListBoxItemByData(nullptr, 0), -1);
}

class TrackMenuTest : public WindowUtilsTest {
protected:
    void SetUp() override {
        WindowUtilsTest::SetUp();
        ::ShowWindow(parent.get(), SW_SHOWNA);
        list.reset(::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 100, 200, 300, 200,
                                     parent.get(), nullptr, ::GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(list);
        menu.reset(::CreatePopupMenu());
        ::AppendMenuA(menu.get(), MF_STRING, 1, "&Open");
        ::AppendMenuA(menu.get(), MF_STRING, 2, "&Print");
        Pump();
    }

    // Tracks the menu and reports where its window appeared; the driver closes it at once.
    BOOL TrackAndMeasure(int x, int y, HWND focus, HMENU shown, bool firstSubMenu, RECT& menuRect) {
        menuRect = {};
        ThreadWindowDriver driver("#32768", [&](HWND menuWindow) {
            ::GetWindowRect(menuWindow, &menuRect);
            ::EndMenu();
        });
        const BOOL result = TrackMenuAt(x, y, focus, shown, firstSubMenu);
        ran = driver.Ran();
        return result;
    }

    UniqueWindow list;
    UniqueMenu menu;
    bool ran = false;
};

TEST_F(TrackMenuTest, KeyboardRequestOpensAtTheListCorner) {
    POINT position{};
    ASSERT_TRUE(ContextMenuPosition(-1, -1, list.get(), position));
    EXPECT_EQ(position.x, 105);
    EXPECT_EQ(position.y, 205);

    RECT menuRect{};
    TrackAndMeasure(-1, -1, list.get(), menu.get(), false, menuRect);
    ASSERT_TRUE(ran);
    EXPECT_EQ(menuRect.left, 105);
    EXPECT_EQ(menuRect.top, 205);
    EXPECT_EQ(::GetFocus(), list.get());
}

TEST_F(TrackMenuTest, PointInsideTheListOpensThere) {
    RECT menuRect{};
    TrackAndMeasure(250, 300, list.get(), menu.get(), false, menuRect);
    ASSERT_TRUE(ran);
    EXPECT_EQ(menuRect.left, 250);
    EXPECT_EQ(menuRect.top, 300);
}

TEST_F(TrackMenuTest, FirstSubMenuIsShownWhenAsked) {
    UniqueMenu bar(::CreateMenu());
    ::AppendMenuA(bar.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(menu.release()), "&File");
    RECT menuRect{};
    TrackAndMeasure(250, 300, list.get(), bar.get(), true, menuRect);
    EXPECT_TRUE(ran);

    UniqueMenu flat(::CreatePopupMenu());
    ::AppendMenuA(flat.get(), MF_STRING, 1, "No sub-menu");
    EXPECT_FALSE(TrackAndMeasure(250, 300, list.get(), flat.get(), true, menuRect));
    EXPECT_FALSE(ran);
}

TEST_F(TrackMenuTest, NothingIsShownWithoutAWindowAMenuOrAPointInside) {
    RECT menuRect{};
    EXPECT_FALSE(TrackAndMeasure(600, 300, list.get(), menu.get(), false, menuRect));  // right of the list
    EXPECT_FALSE(ran);
    EXPECT_FALSE(TrackAndMeasure(250, 300, nullptr, menu.get(), false, menuRect));
    EXPECT_FALSE(ran);
    EXPECT_FALSE(TrackAndMeasure(250, 300, list.get(), nullptr, false, menuRect));
    EXPECT_FALSE(ran);
    POINT position{};
    EXPECT_FALSE(ContextMenuPosition(600, 300, list.get(), position));
}

TEST_F(TrackMenuTest, HiddenFocusWindowTakesAnyPointAndWakesItsOwner) {
    const UniqueWindow hidden = MakePopup(0, 0, 10, 10, false);
    RECT menuRect{};
    TrackAndMeasure(500, 450, hidden.get(), menu.get(), false, menuRect);
    ASSERT_TRUE(ran);
    EXPECT_EQ(menuRect.left, 500);
    EXPECT_EQ(menuRect.top, 450);
    MSG message;
    EXPECT_TRUE(::PeekMessageA(&message, hidden.get(), WM_NULL, WM_NULL, PM_REMOVE));
}

}  // namespace
