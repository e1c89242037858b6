// The Quick Intro program, Tourlet.exe, driven from outside; and Kestrum starting it.
//
// Arguments: the host paths of Kestrum.exe and Tourlet.exe.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "kestrum_process.h"
#include "resource.h"
#include "wine_test_support.h"

using namespace std::chrono_literals;
using namespace testsupport;

namespace {

std::string kestrumExe;
std::string tourletExe;

constexpr char kBranch[] = "Software\\Quillon Works\\Kestrum";
constexpr char kCaptionStart[] = "Kestrum Quick Intro - Page ";

std::string Caption(HWND window) {
    char text[128] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ProcessImage(DWORD processId) {
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return {};
    char path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    const bool got = ::QueryFullProcessImageNameA(process, 0, path, &size) != FALSE;
    ::CloseHandle(process);
    return got ? std::string(path, size) : std::string();
}

// Every intro window on the desktop, with the program file of its process.
struct IntroWindow {
    HWND window;
    std::string image;
};
std::vector<IntroWindow> IntroWindows() {
    std::vector<IntroWindow> found;
    ::EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            if (Caption(window).rfind(kCaptionStart, 0) == 0) {
                DWORD processId = 0;
                ::GetWindowThreadProcessId(window, &processId);
                reinterpret_cast<std::vector<IntroWindow>*>(list)->push_back({window, ProcessImage(processId)});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The stored ShowIntro, or -1 when the value (or the key) is missing.
long StoredShowIntro() {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegGetValueA(HKEY_CURRENT_USER, kBranch, "ShowIntro", RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return -1;
    }
    return static_cast<long>(value);
}

// Tourlet.exe started directly.
class TourletProcess {
public:
    TourletProcess() {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + tourletExe + "\"";
        started_ = ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                    &startup, &process_) != FALSE;
        if (started_) WaitUntil([&] { return Dialog() != nullptr; }, 15s);
    }
    ~TourletProcess() {
        if (!started_) return;
        if (!EndedWithin(0ms)) {
            ::TerminateProcess(process_.hProcess, 1);
            ::WaitForSingleObject(process_.hProcess, 5000);
        }
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    TourletProcess(const TourletProcess&) = delete;
    TourletProcess& operator=(const TourletProcess&) = delete;

    HWND Dialog() const {
        for (const IntroWindow& found : IntroWindows()) {
            DWORD processId = 0;
            ::GetWindowThreadProcessId(found.window, &processId);
            if (processId == process_.dwProcessId && ::IsWindowVisible(found.window)) return found.window;
        }
        return nullptr;
    }
    bool EndedWithin(std::chrono::milliseconds limit) const {
        return ::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// The harness keeps the HTML engine off (no installer prompt), so the control comes up empty.
// Registering the control's class to a missing file (in this run's own prefix) takes the control
// away, as on a system without one: the dialog must work the same.
struct Engine {
    const char* name;
    bool hasBrowser;
};
constexpr Engine kEngines[] = {{"BrowserWithoutEngine", true}, {"NoBrowserControl", false}};
constexpr char kBrowserServer[] = "Software\\Classes\\CLSID\\{8856F961-340A-11D0-A96B-00C04FD705A2}\\InprocServer32";

class Tourlet : public testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
        if (GetParam().hasBrowser) return;
        DWORD size = sizeof server_;
        ASSERT_EQ(::RegGetValueA(HKEY_LOCAL_MACHINE, kBrowserServer, nullptr, RRF_RT_REG_SZ, nullptr, server_, &size),
                  ERROR_SUCCESS);
        constexpr char kMissing[] = "C:\\windows\\system32\\no-such-browser.dll";
        ASSERT_EQ(::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kBrowserServer, nullptr, REG_SZ, kMissing, sizeof kMissing),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
        if (server_[0] != '\0') {
            ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kBrowserServer, nullptr, REG_SZ, server_,
                              static_cast<DWORD>(std::strlen(server_) + 1));
        }
    }

    char server_[MAX_PATH] = {};

    static void Command(HWND dialog, int id) { ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
};

TEST_P(Tourlet, BackAndNextWalkTheFivePages) {
    TourletProcess tourlet;
    const HWND dialog = tourlet.Dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(::GetDlgItem(dialog, IDC_INTRO_BROWSER) != nullptr, GetParam().hasBrowser);

    EXPECT_EQ(Caption(dialog), "Kestrum Quick Intro - Page 1/5");
    EXPECT_FALSE(Enabled(dialog, IDC_INTRO_BACK));
    EXPECT_TRUE(Enabled(dialog, IDC_INTRO_NEXT));
    for (int page = 2; page <= 5; ++page) {
        Command(dialog, IDC_INTRO_NEXT);
        EXPECT_EQ(Caption(dialog), "Kestrum Quick Intro - Page " + std::to_string(page) + "/5");
        EXPECT_TRUE(Enabled(dialog, IDC_INTRO_BACK));
    }
    EXPECT_FALSE(Enabled(dialog, IDC_INTRO_NEXT));
    // A Next that arrives anyway (a queued click, a keyboard shortcut) stays on the last page.
    Command(dialog, IDC_INTRO_NEXT);
    EXPECT_EQ(Caption(dialog), "Kestrum Quick Intro - Page 5/5");

    Command(dialog, IDC_INTRO_BACK);
    EXPECT_EQ(Caption(dialog), "Kestrum Quick Intro - Page 4/5");
    EXPECT_TRUE(Enabled(dialog, IDC_INTRO_NEXT));
    for (int i = 0; i < 4; ++i) Command(dialog, IDC_INTRO_BACK);
    EXPECT_EQ(Caption(dialog), "Kestrum Quick Intro - Page 1/5");
    EXPECT_FALSE(Enabled(dialog, IDC_INTRO_BACK));
}

TEST_P(Tourlet, TheBoxWritesShowIntroCreatingTheKey) {
    TourletProcess tourlet;
    const HWND dialog = tourlet.Dialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(StoredShowIntro(), -1);
    const HWND box = ::GetDlgItem(dialog, IDC_INTRO_DONT_SHOW);
    ::SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(::SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(StoredShowIntro(), 0);
    ::SendMessageA(box, BM_CLICK, 0, 0);
    EXPECT_EQ(::SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(StoredShowIntro(), 1);
}

TEST_P(Tourlet, SitsAtTheRightOfTheWorkAreaAtFullHeight) {
    TourletProcess tourlet;
    const HWND dialog = tourlet.Dialog();
    ASSERT_NE(dialog, nullptr);
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int width = 400 * LOWORD(::GetDialogBaseUnits()) / 4;
    const int half = (work.right - work.left) / 2;
    RECT placed{};
    ::GetWindowRect(dialog, &placed);
    EXPECT_EQ(placed.left, width < half ? work.right - width : work.left + half);
    EXPECT_EQ(placed.top, work.top);
    EXPECT_EQ(placed.right, work.right);
    EXPECT_EQ(placed.bottom, work.bottom);

    // Close keeps its distance from the client area's bottom-right corner.
    RECT client{};
    ::GetClientRect(dialog, &client);
    RECT close{};
    ::GetWindowRect(::GetDlgItem(dialog, IDCANCEL), &close);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&close), 2);
    EXPECT_EQ(close.left, client.right - 39 * LOWORD(::GetDialogBaseUnits()) / 4);
    EXPECT_EQ(close.top, client.bottom - 14 * HIWORD(::GetDialogBaseUnits()) / 8);
}

struct CloseWay {
    const char* name;
    UINT message;
    WPARAM wParam;
};
constexpr CloseWay kCloseWays[] = {{"CloseButton", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)},
                                   {"CloseBox", WM_SYSCOMMAND, SC_CLOSE}};

TEST_P(Tourlet, CloseAndTheCloseBoxEndTheProgram) {
    for (const CloseWay& way : kCloseWays) {
        SCOPED_TRACE(way.name);
        TourletProcess tourlet;
        const HWND dialog = tourlet.Dialog();
        ASSERT_NE(dialog, nullptr);
        ::PostMessageA(dialog, way.message, way.wParam, 0);
        EXPECT_TRUE(tourlet.EndedWithin(5s));
    }
}

INSTANTIATE_TEST_SUITE_P(Engines, Tourlet, testing::ValuesIn(kEngines),
                         [](const testing::TestParamInfo<Engine>& info) { return std::string(info.param.name); });

// Kestrum's start: the intro beside it comes up once when ShowIntro is set, never otherwise.
class IntroAtStartUp : public testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch); }
    void TearDown() override {
        for (const IntroWindow& found : IntroWindows()) ::PostMessageA(found.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        WaitUntil([] { return IntroWindows().empty(); }, 5s);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
    }
    void CopyTourlet() {
        ASSERT_TRUE(::CopyFileA(tourletExe.c_str(), (folder_.Path() + "Tourlet.exe").c_str(), FALSE));
    }
    // Long enough for a started intro to show its window.
    static void Settle() { WaitUntil([] { return false; }, 3s); }

    ScratchFolder folder_{"kestrum-intro"};
};

TEST_F(IntroAtStartUp, ShowIntroStartsTheIntroBesideKestrumOnce) {
    CopyTourlet();
    ASSERT_TRUE(StoreShowIntro(1));
    KestrumProcess kestrum(kestrumExe, folder_.Path(), KestrumProcess::Intro::AsStored);
    ASSERT_TRUE(kestrum.Started() && kestrum.Window() != nullptr);
    ASSERT_TRUE(WaitUntil([] { return !IntroWindows().empty(); }, 10s));
    Settle();
    const std::vector<IntroWindow> found = IntroWindows();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, found[0].image.c_str(), -1,
                             (folder_.Path() + "Tourlet.exe").c_str(), -1),
              CSTR_EQUAL)
        << found[0].image;
    EXPECT_TRUE(kestrum.ExitWithin(2s));
}

TEST_F(IntroAtStartUp, ShowIntroOffStartsNothing) {
    CopyTourlet();
    ASSERT_TRUE(StoreShowIntro(0));
    KestrumProcess kestrum(kestrumExe, folder_.Path(), KestrumProcess::Intro::AsStored);
    ASSERT_TRUE(kestrum.Started() && kestrum.Window() != nullptr);
    Settle();
    EXPECT_TRUE(IntroWindows().empty());
    EXPECT_TRUE(kestrum.ExitWithin(2s));
}

TEST_F(IntroAtStartUp, AMissingIntroIsSilent) {
    ASSERT_TRUE(StoreShowIntro(1));
    // A shown main window: nothing else of Kestrum's is meant to be visible then.
    const DWORD shown = 0;
    ASSERT_EQ(::RegSetKeyValueA(HKEY_CURRENT_USER, kBranch, "Minimized", REG_DWORD, &shown, sizeof shown),
              ERROR_SUCCESS);
    KestrumProcess kestrum(kestrumExe, folder_.Path(), KestrumProcess::Intro::AsStored);
    ASSERT_TRUE(kestrum.Started() && kestrum.Window() != nullptr);
    Settle();
    EXPECT_TRUE(IntroWindows().empty());
    // No message box or other window besides the main one in Kestrum's process.
    DWORD kestrumId = 0;
    ::GetWindowThreadProcessId(kestrum.Window(), &kestrumId);
    struct Search {
        DWORD processId;
        HWND main;
        int others;
    } search{kestrumId, kestrum.Window(), 0};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && window != s->main && ::IsWindowVisible(window)) ++s->others;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    EXPECT_EQ(search.others, 0);
    EXPECT_TRUE(kestrum.ExitWithin(2s));
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: intro_e2e_tests KESTRUM_EXE TOURLET_EXE (host paths)\n");
        return 2;
    }
    kestrumExe = HostPathToWindows(argv[1]);
    tourletExe = HostPathToWindows(argv[2]);
    return RUN_ALL_TESTS();
}
