// The main window's placement saved to and restored from the "MainWindow" subkey, with real
// top-level windows.
#include "settings/window_placement.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "registry_test_support.h"

namespace {

const std::string kPlacementPath = std::string(kTestBranch) + "\\MainWindow";

void Pump() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
}

RECT ScreenRectOf(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

RECT NormalRectOf(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(window, &placement);
    return placement.rcNormalPosition;
}

bool SameRect(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

class WindowPlacementTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DeleteSettingsBranch());
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "KestrumPlacementTest";
        ::RegisterClassA(&windowClass);
        window.reset(::CreateWindowExA(0, "KestrumPlacementTest", "Placement", WS_OVERLAPPEDWINDOW, 10, 10, 200,
                                       100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(window);
    }
    void TearDown() override {
        window.reset();
        DeleteSettingsBranch();
    }

    void MoveTo(const RECT& r) {
        ::SetWindowPos(window.get(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
    }

    static DWORD Stored(const char* name) {
        const RawValue value = GetRaw(HKEY_CURRENT_USER, kPlacementPath, name);
        DWORD number = 0xDEADBEEF;
        if (value.exists && value.data.size() == 4) std::memcpy(&number, value.data.data(), 4);
        return number;
    }

    static void StoreRect(const RECT& r, DWORD state) {
        ASSERT_TRUE(SetRawNumber(HKEY_CURRENT_USER, kPlacementPath, "Left", static_cast<DWORD>(r.left)));
        ASSERT_TRUE(SetRawNumber(HKEY_CURRENT_USER, kPlacementPath, "Top", static_cast<DWORD>(r.top)));
        ASSERT_TRUE(SetRawNumber(HKEY_CURRENT_USER, kPlacementPath, "Width", static_cast<DWORD>(r.right - r.left)));
        ASSERT_TRUE(SetRawNumber(HKEY_CURRENT_USER, kPlacementPath, "Height", static_cast<DWORD>(r.bottom - r.top)));
        ASSERT_TRUE(SetRawNumber(HKEY_CURRENT_USER, kPlacementPath, "State", state));
    }

    const RECT defaultRect{300, 200, 900, 700};
    UniqueWindow window;
};

TEST_F(WindowPlacementTest, SaveInNormalStateWritesStateAndRectangle) {
    MoveTo({40, 50, 440, 350});
    ::ShowWindow(window.get(), SW_SHOWNORMAL);
    Pump();
    ASSERT_TRUE(SaveWindowPlacement(window.get()));
    EXPECT_EQ(Stored("State"), 1u);
    EXPECT_EQ(Stored("Left"), 40u);
    EXPECT_EQ(Stored("Top"), 50u);
    EXPECT_EQ(Stored("Width"), 400u);
    EXPECT_EQ(Stored("Height"), 300u);
}

TEST_F(WindowPlacementTest, SaveWhileMaximisedKeepsTheLastNormalRectangle) {
    MoveTo({40, 50, 440, 350});
    ::ShowWindow(window.get(), SW_SHOWNORMAL);
    ASSERT_TRUE(SaveWindowPlacement(window.get()));
    ::ShowWindow(window.get(), SW_SHOWMAXIMIZED);
    Pump();
    ASSERT_TRUE(::IsZoomed(window.get()));
    ASSERT_TRUE(SaveWindowPlacement(window.get()));
    EXPECT_EQ(Stored("State"), 3u);
    EXPECT_EQ(Stored("Left"), 40u);
    EXPECT_EQ(Stored("Width"), 400u);

    ::ShowWindow(window.get(), SW_MINIMIZE);
    Pump();
    ASSERT_TRUE(::IsIconic(window.get()));
    ASSERT_TRUE(SaveWindowPlacement(window.get()));
    EXPECT_EQ(Stored("State"), 2u);
    EXPECT_EQ(Stored("Top"), 50u);
    EXPECT_EQ(Stored("Height"), 300u);
}

TEST_F(WindowPlacementTest, SaveNeedsALiveWindow) {
    window.reset();
    EXPECT_FALSE(SaveWindowPlacement(nullptr));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kPlacementPath));
}

TEST_F(WindowPlacementTest, RoundTripInNormalState) {
    const RECT saved{60, 70, 560, 470};
    MoveTo(saved);
    ::ShowWindow(window.get(), SW_SHOWNORMAL);
    ASSERT_TRUE(SaveWindowPlacement(window.get()));
    ::ShowWindow(window.get(), SW_HIDE);
    MoveTo({0, 0, 100, 100});

    RestoreWindowPlacement(window.get(), defaultRect, WindowState::Normal, false);
    Pump();
    EXPECT_TRUE(::IsWindowVisible(window.get()));
    EXPECT_FALSE(::IsZoomed(window.get()));
    EXPECT_FALSE(::IsIconic(window.get()));
    EXPECT_TRUE(SameRect(ScreenRectOf(window.get()), saved)) << Describe(ScreenRectOf(window.get()));
}

TEST_F(WindowPlacementTest, StateTwoMinimisesAfterApplyingTheRectangle) {
    const RECT stored{80, 90, 480, 390};
    StoreRect(stored, 2);
    RestoreWindowPlacement(window.get(), defaultRect, WindowState::Normal, false);
    Pump();
    EXPECT_TRUE(::IsWindowVisible(window.get()));
    EXPECT_TRUE(::IsIconic(window.get()));
    EXPECT_TRUE(SameRect(NormalRectOf(window.get()), stored)) << Describe(NormalRectOf(window.get()));
}

TEST_F(WindowPlacementTest, StateThreeMaximisesOverTheStoredRectangle) {
    const RECT stored{80, 90, 480, 390};
    StoreRect(stored, 3);
    RestoreWindowPlacement(window.get(), defaultRect, WindowState::Normal, false);
    Pump();
    EXPECT_TRUE(::IsZoomed(window.get()));
    EXPECT_TRUE(SameRect(NormalRectOf(window.get()), stored)) << Describe(NormalRectOf(window.get()));
}

TEST_F(WindowPlacementTest, OtherStatesShowTheWindowNormally) {
    StoreRect({80, 90, 480, 390}, 7);
    RestoreWindowPlacement(window.get(), defaultRect, WindowState::Maximised, false);
    Pump();
    EXPECT_TRUE(::IsWindowVisible(window.get()));
    EXPECT_FALSE(::IsZoomed(window.get()));
    EXPECT_FALSE(::IsIconic(window.get()));
}

TEST_F(WindowPlacementTest, StartHiddenAppliesThePositionWithoutShowing) {
    const RECT stored{80, 90, 480, 390};
    StoreRect(stored, 3);
    RestoreWindowPlacement(window.get(), defaultRect, WindowState::Normal, true);
    Pump();
    EXPECT_FALSE(::IsWindowVisible(window.get()));
    EXPECT_FALSE(::IsZoomed(window.get()));
    EXPECT_TRUE(SameRect(ScreenRectOf(window.get()), stored)) << Describe(ScreenRectOf(window.get()));
}

TEST_F(WindowPlacementTest, EmptyBranchUsesTheDefaults) {
    RestoreWindowPlacement(window.get(), defaultRect, WindowState::Maximised, false);
    Pump();
    EXPECT_TRUE(::IsZoomed(window.get()));  // the default state
    EXPECT_TRUE(SameRect(NormalRectOf(window.get()), defaultRect)) << Describe(NormalRectOf(window.get()));
}

TEST_F(WindowPlacementTest, MissingValuesDefaultOneByOne) {
    ASSERT_TRUE(SetRawNumber(HKEY_CURRENT_USER, kPlacementPath, "Left", 20));
    ASSERT_TRUE(SetRawNumber(HKEY_CURRENT_USER, kPlacementPath, "Height", 250));
    RestoreWindowPlacement(window.get(), defaultRect, WindowState::Normal, true);
    EXPECT_TRUE(SameRect(ScreenRectOf(window.get()), RECT{20, 200, 620, 450}))
        << Describe(ScreenRectOf(window.get()));
}

TEST_F(WindowPlacementTest, DamagedOrUnreachableRectanglesGiveTheDefault) {
    StoreRect({80, 90, 80, 390}, 1);  // no width
    RestoreWindowPlacement(window.get(), defaultRect, WindowState::Normal, true);
    EXPECT_TRUE(SameRect(ScreenRectOf(window.get()), defaultRect)) << Describe(ScreenRectOf(window.get()));

    MoveTo({0, 0, 100, 100});
    StoreRect({20000, 20000, 20400, 20300}, 1);  // on no monitor
    RestoreWindowPlacement(window.get(), defaultRect, WindowState::Normal, true);
    EXPECT_TRUE(SameRect(ScreenRectOf(window.get()), defaultRect)) << Describe(ScreenRectOf(window.get()));
}

TEST_F(WindowPlacementTest, DefaultRectangleIsCentredInTheWorkArea) {
    RECT workArea{};
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0));
    const RECT rect = DefaultMainWindowRect();
    const LONG baseUnits = ::GetDialogBaseUnits();
    EXPECT_EQ(rect.right - rect.left, 360 * LOWORD(baseUnits) / 4);
    EXPECT_EQ(rect.bottom - rect.top, 266 * HIWORD(baseUnits) / 8);
    EXPECT_LE(std::abs((rect.left + rect.right) - (workArea.left + workArea.right)), 2);
    EXPECT_LE(std::abs((rect.top + rect.bottom) - (workArea.top + workArea.bottom)), 2);
}

}  // namespace
