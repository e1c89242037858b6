// The real Kestrum.exe in the notification area: its icon (also after the task bar restarts),
// clicks on it, the tray menu's Exit, and the popup called up by its hot key.
//
// Arguments: the host paths of Kestrum.exe and open_documents.exe (not needed here).
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "kestrum_process.h"
#include "wine_test_support.h"

using namespace std::chrono_literals;
using namespace testsupport;

namespace {

std::string kestrumExe;
constexpr char kBranch[] = "Software\\Quillon Works\\Kestrum";
constexpr UINT kTrayNotify = WM_USER + 5;

// Whether the shell holds the window's icon: changing nothing of it succeeds only then.
bool ShellHasIcon(HWND window) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

struct Search {
    DWORD process;
    const char* className;
    HWND found;
};

// A visible top-level window of the process with this class.
HWND VisibleWindowOf(DWORD process, const char* className) {
    Search search{process, className, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM context) {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            char name[64] = {};
            ::GetClassNameA(window, name, sizeof name);
            if (owner == s.process && ::IsWindowVisible(window) && std::string(name) == s.className) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

constexpr WPARAM kPopupDelete = 32828;

void Key(WORD key, bool up) { ::keybd_event(static_cast<BYTE>(key), 0, up ? KEYEVENTF_KEYUP : 0, 0); }

// Presses the popup's hot key, Ctrl+Shift+U, and waits for the popup; null when it did not show.
HWND PopupByHotKey(KestrumProcess& kestrum) {
    for (const WORD key : {WORD(VK_CONTROL), WORD(VK_SHIFT), WORD('U')}) Key(key, false);
    for (const WORD key : {WORD('U'), WORD(VK_SHIFT), WORD(VK_CONTROL)}) Key(key, true);
    HWND popup = nullptr;
    WaitUntil([&] { return (popup = VisibleWindowOf(kestrum.ProcessId(), "#32770")) != nullptr; }, 5s);
    return popup;
}

class Tray : public testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch); }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch); }
    ScratchFolder folder_{"kestrum-tray"};
};

TEST_F(Tray, IconIsThereAndComesBackAfterTheTaskBarRestarts) {
    KestrumProcess kestrum(kestrumExe, folder_.Path());
    ASSERT_TRUE(kestrum.Started() && kestrum.Window() != nullptr);
    const HWND window = kestrum.Window();
    EXPECT_TRUE(WaitUntil([&] { return ShellHasIcon(window); }, 5s));

    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    ASSERT_TRUE(::Shell_NotifyIconA(NIM_DELETE, &record));
    EXPECT_FALSE(ShellHasIcon(window));
    ::SendMessageA(window, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ShellHasIcon(window));
    EXPECT_TRUE(kestrum.ExitWithin(5s));
}

TEST_F(Tray, LeftClickShowsTheWindowAndADoubleClickDoesNothing) {
    KestrumProcess kestrum(kestrumExe, folder_.Path());
    ASSERT_TRUE(kestrum.Started() && kestrum.Window() != nullptr);
    const HWND window = kestrum.Window();
    ::SendMessageA(window, kTrayNotify, 0, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(::IsWindowVisible(window));
    ::SendMessageA(window, kTrayNotify, 0, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 5s));
    EXPECT_TRUE(kestrum.ExitWithin(5s));
}

TEST_F(Tray, RightClickOpensTheMenuAndItsExitEndsTheProgram) {
    KestrumProcess kestrum(kestrumExe, folder_.Path());
    ASSERT_TRUE(kestrum.Started() && kestrum.Window() != nullptr);
    ::PostMessageA(kestrum.Window(), kTrayNotify, 0, WM_RBUTTONDOWN);
    HWND menuWindow = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menuWindow = VisibleWindowOf(kestrum.ProcessId(), "#32768")) != nullptr; }, 5s));
    // Which item is bold is read in the frame's own test: a menu is not readable from here.
    // Up from nothing selected wraps to the last item, Exit.
    for (const WORD key : {WORD(VK_UP), WORD(VK_RETURN)}) {
        ::PostMessageA(menuWindow, WM_KEYDOWN, key, 0);
        ::PostMessageA(menuWindow, WM_KEYUP, key, 0);
    }
    EXPECT_TRUE(kestrum.EndedWithin(10s));
}

TEST_F(Tray, HotKeyCallsUpThePopup) {
    KestrumProcess kestrum(kestrumExe, folder_.Path());
    ASSERT_TRUE(kestrum.Started() && kestrum.Window() != nullptr);
    WaitUntil([] { return false; }, 500ms);
    const HWND popup = PopupByHotKey(kestrum);
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(::GetWindowLongPtrA(popup, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(::IsWindowVisible(kestrum.Window()));
    EXPECT_TRUE(kestrum.ExitWithin(5s));
}

// The popup's context-menu commands are the main window's: its Delete asks the same question
// (what follows an OK is the main window's test).
TEST_F(Tray, ThePopupsDeleteIsTheMainWindowsAndAsksFirst) {
    const std::string document = folder_.Path() + "popup doc.txt";
    ASSERT_TRUE(WriteFile(document, "x"));
    ASSERT_TRUE(WriteFile(folder_.Path() + "Kestrum.dat", std::to_string(TodayDayNumber()) + ".500000 " + document + "\r\n"));
    KestrumProcess kestrum(kestrumExe, folder_.Path());
    ASSERT_TRUE(kestrum.Started() && kestrum.Window() != nullptr);
    WaitUntil([] { return false; }, 500ms);
    const HWND popup = PopupByHotKey(kestrum);
    ASSERT_NE(popup, nullptr);

    std::string question;
    std::thread answer([&] { question = AnswerMessageBoxWith(IDCANCEL); });
    ::PostMessageA(popup, WM_COMMAND, kPopupDelete, 0);
    answer.join();
    EXPECT_EQ(question, "Are you sure you want to send selected document(s) to the Recycle Bin?");
    EXPECT_NE(::GetFileAttributesA(document.c_str()), INVALID_FILE_ATTRIBUTES) << "Cancel keeps it";

    EXPECT_TRUE(kestrum.ExitWithin(5s));
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: tray_e2e_tests KESTRUM_EXE [OPEN_DOCUMENTS_EXE] (host paths)\n");
        return 2;
    }
    kestrumExe = HostPathToWindows(argv[1]);
    return RUN_ALL_TESTS();
}
