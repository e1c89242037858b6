// What guards a start of the real Kestrum.exe: one copy even when two start together, the
// password prompt before any window, and the note about the tray icon on a hidden start.
//
// Arguments: the host paths of Kestrum.exe and open_documents.exe.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app/instance_marker.h"
#include "kestrum_process.h"
#include "wine_test_support.h"

using namespace std::chrono_literals;
using namespace testsupport;

namespace {

std::string kestrumExe;
std::string openDocumentsExe;
constexpr char kBranch[] = "Software\\Quillon Works\\Kestrum";
constexpr int kPromptEdit = 1133;
constexpr int kNoteHideBox = 1037;

void StoreNumber(const char* name, DWORD value) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kBranch, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    ::RegCloseKey(key);
}
void StoreText(const char* name, const std::string& value) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kBranch, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(key);
}
std::string StoredText(const char* name) {
    char value[512] = {};
    DWORD size = sizeof value;
    if (::RegGetValueA(HKEY_CURRENT_USER, kBranch, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return {};
    return value;
}
DWORD StoredNumber(const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    ::RegGetValueA(HKEY_CURRENT_USER, kBranch, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

// A copy of Kestrum.exe started in a folder without waiting for anything.
class Launch {
public:
    Launch(const std::string& folder) {
        const std::string exe = folder + "Kestrum.exe";
        ::CopyFileA(kestrumExe.c_str(), exe.c_str(), FALSE);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + exe + "\"";
        started_ = ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                                    &startup, &process_) != FALSE;
    }
    ~Launch() {
        if (!started_) return;
        if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(process_.hProcess, 1);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    bool Started() const { return started_; }
    DWORD Id() const { return process_.dwProcessId; }
    // The exit code once ended within `limit`, else nothing.
    std::optional<DWORD> EndsWithin(std::chrono::milliseconds limit) const {
        if (::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0) return {};
        DWORD code = 1;
        ::GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }
    bool Running() const { return ::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

    // The first top-level window of the process that `match` accepts.
    HWND FindWindowWhere(bool (*match)(HWND)) const {
        struct Search {
            DWORD id;
            bool (*match)(HWND);
            HWND found;
        } search{Id(), match, nullptr};
        ::EnumWindows(
            [](HWND window, LPARAM parameter) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(parameter);
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                if (owner != s.id || !s.match(window)) return TRUE;
                s.found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    HWND MainWindow() const {
        return FindWindowWhere([](HWND w) { return ::GetWindowLongPtrA(w, GWLP_USERDATA) == kInstanceMarker; });
    }
    HWND Prompt() const {
        return FindWindowWhere([](HWND w) { return ::IsWindowVisible(w) && ::GetDlgItem(w, kPromptEdit) != nullptr; });
    }
    HWND Note() const {
        return FindWindowWhere([](HWND w) { return ::IsWindowVisible(w) && ::GetDlgItem(w, kNoteHideBox) != nullptr; });
    }
    HWND MessageBox() const {
        return FindWindowWhere([](HWND w) { return ::IsWindowVisible(w) && ::GetDlgItem(w, 0xFFFF) != nullptr; });
    }

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

std::string ItemText(HWND dialog, int id) {
    char text[512] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

class StartGuards : public testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
        ClearRecentFolder();
    }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch); }

    ScratchFolder folder_{"kestrum-guards"};
};

TEST_F(StartGuards, TwoStartsTogetherLeaveOneCopyThatRecordsEachOpeningOnce) {
    StoreNumber("HideMessage", 1);
    Launch first(folder_.Path());
    Launch second(folder_.Path());
    ASSERT_TRUE(first.Started() && second.Started());
    // Exactly one of them ends, with code 0; the other runs on with its window.
    ASSERT_TRUE(WaitUntil([&] { return !first.Running() || !second.Running(); }, 20s));
    const Launch& ended = first.Running() ? second : first;
    const Launch& running = first.Running() ? first : second;
    EXPECT_EQ(ended.EndsWithin(0ms), 0u);
    ASSERT_TRUE(WaitUntil([&] { return running.MainWindow() != nullptr; }, 15s));
    EXPECT_TRUE(running.Running());

    const std::string document = folder_.Path() + "report.txt";
    ASSERT_TRUE(WriteFile(document, "x"));
    ASSERT_EQ(RunAndWait(openDocumentsExe, {document}), 0);
    const std::string history = folder_.Path() + "Kestrum.dat";
    ASSERT_TRUE(WaitUntil([&] { return ReadLines(history).size() >= 1; }, 15s));
    ::Sleep(1500);  // a second recorder would have written by now
    EXPECT_EQ(ReadLines(history).size(), 1u);
    ::PostMessageA(running.MainWindow(), WM_COMMAND, 32820, 0);
    EXPECT_TRUE(running.EndsWithin(5s).has_value());
}

TEST_F(StartGuards, ThePasswordIsAskedBeforeAnyWindowAndCancelEndsTheProgram) {
    StoreText("Pass", "Secret");
    Launch kestrum(folder_.Path());
    ASSERT_TRUE(WaitUntil([&] { return kestrum.Prompt() != nullptr; }, 15s));
    EXPECT_EQ(kestrum.MainWindow(), nullptr) << "the prompt comes before the main window";
    ::PostMessageA(kestrum.Prompt(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(kestrum.EndsWithin(5s), 0u);
    EXPECT_EQ(kestrum.MainWindow(), nullptr);
    EXPECT_EQ(::GetFileAttributesA((folder_.Path() + "Kestrum.dat").c_str()), INVALID_FILE_ATTRIBUTES)
        << "no history was made";
}

TEST_F(StartGuards, AWrongPasswordIsReportedAndEmptiedAndAnyCaseOfTheRightOneOpens) {
    StoreNumber("HideMessage", 1);
    StoreText("Pass", "Secret");  // as an older version stored it: plain
    Launch kestrum(folder_.Path());
    ASSERT_TRUE(WaitUntil([&] { return kestrum.Prompt() != nullptr; }, 15s));
    const HWND prompt = kestrum.Prompt();
    ::SendMessageA(::GetDlgItem(prompt, kPromptEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Secrets"));
    ::PostMessageA(prompt, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return kestrum.MessageBox() != nullptr; }, 5s));
    const HWND box = kestrum.MessageBox();
    EXPECT_EQ(ItemText(box, 0xFFFF), "The password is wrong, please try again");
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return kestrum.MessageBox() == nullptr; }, 5s));
    EXPECT_EQ(ItemText(prompt, kPromptEdit), "");
    EXPECT_EQ(kestrum.MainWindow(), nullptr);

    ::SendMessageA(::GetDlgItem(prompt, kPromptEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("sECRET"));
    ::PostMessageA(prompt, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return kestrum.MainWindow() != nullptr; }, 15s));
    const std::string stored = StoredText("Pass");
    EXPECT_FALSE(stored.empty());
    EXPECT_EQ(stored.find("Secret"), std::string::npos) << "no plain password is left: " << stored;
    EXPECT_EQ(stored.find("secret"), std::string::npos);
    ::PostMessageA(kestrum.MainWindow(), WM_COMMAND, 32820, 0);
    EXPECT_TRUE(kestrum.EndsWithin(5s).has_value());
}

TEST_F(StartGuards, AHiddenStartShowsTheNoteFirstUntilTheUserTicksItsBox) {
    Launch kestrum(folder_.Path());
    ASSERT_TRUE(WaitUntil([&] { return kestrum.Note() != nullptr; }, 15s));
    ASSERT_NE(kestrum.MainWindow(), nullptr);
    EXPECT_FALSE(::IsWindowVisible(kestrum.MainWindow())) << "the note is all that shows";
    const HWND note = kestrum.Note();
    ::SendMessageA(::GetDlgItem(note, kNoteHideBox), BM_SETCHECK, BST_CHECKED, 0);
    ::PostMessageA(note, WM_COMMAND, IDCANCEL, 0);  // what Escape sends
    ASSERT_TRUE(WaitUntil([&] { return kestrum.Note() == nullptr; }, 5s));
    EXPECT_EQ(StoredNumber("HideMessage"), 1u);
    ::PostMessageA(kestrum.MainWindow(), WM_COMMAND, 32820, 0);
    ASSERT_TRUE(kestrum.EndsWithin(5s).has_value());

    // The next hidden start shows nothing at all.
    Launch again(folder_.Path());
    ASSERT_TRUE(WaitUntil([&] { return again.MainWindow() != nullptr; }, 15s));
    ::Sleep(1000);
    EXPECT_EQ(again.Note(), nullptr);
    EXPECT_FALSE(::IsWindowVisible(again.MainWindow()));
    ::PostMessageA(again.MainWindow(), WM_COMMAND, 32820, 0);
    EXPECT_TRUE(again.EndsWithin(5s).has_value());
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: start_guards_e2e_tests KESTRUM_EXE OPEN_DOCUMENTS_EXE (host paths)\n");
        return 2;
    }
    kestrumExe = HostPathToWindows(argv[1]);
    openDocumentsExe = HostPathToWindows(argv[2]);
    return RUN_ALL_TESTS();
}
