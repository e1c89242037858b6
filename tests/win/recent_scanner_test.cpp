// The scanner, watcher and history appender against the real shell and file system of Wine.
//
// Argument: the host path of the folder of real shortcut files made by Windows.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <map>
#include <thread>

#include "framework/com_ptr.h"
#include "framework/wide_text.h"
#include "tracking/history_appender.h"
#include "tracking/history_line.h"
#include "text/legacy_code_page.h"
#include "tracking/recent_folder.h"
#include "tracking/recent_scanner.h"
#include "tracking/recent_watcher.h"
#include "wine_test_support.h"

using namespace std::chrono_literals;
using namespace testsupport;

namespace {

std::string corpusFolder;

struct Capture : OpeningRecorder {
    bool RecordOpening(const std::string& target, double oleDate) override {
        targets.push_back(target);
        dates.push_back(oleDate);
        return true;
    }
    std::vector<std::string> targets;
    std::vector<double> dates;
};

bool SaveShortcut(const std::string& shortcutPath, const std::wstring& target) {
    ComPtr<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  link.put_void()))) {
        return false;
    }
    ComPtr<IPersistFile> file;
    return SUCCEEDED(link->SetPath(target.c_str())) && SUCCEEDED(link.QueryInterface(IID_IPersistFile, file)) &&
           SUCCEEDED(file->Save(WideFromUtf8(shortcutPath).c_str(), TRUE));
}

// Moves a file's last-write time by `offset` 100-ns units.
void ShiftLastWrite(const std::string& path, int64_t offset) {
    HANDLE file = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME written;
    ::GetFileTime(file, nullptr, nullptr, &written);
    ULARGE_INTEGER value{{written.dwLowDateTime, written.dwHighDateTime}};
    value.QuadPart += offset;
    written = FILETIME{value.LowPart, value.HighPart};
    ::SetFileTime(file, nullptr, nullptr, &written);
    ::CloseHandle(file);
}

class RecentScannerTest : public testing::Test {
protected:
    void SetUp() override {
        ClearRecentFolder();
        recent_ = RecentFolderPath();
        ASSERT_FALSE(recent_.empty());
    }
    ComInit com_;
    std::string recent_;
};

TEST_F(RecentScannerTest, ShortcutsPresentAtAttachAreNotRecorded) {
    ASSERT_TRUE(SaveShortcut(recent_ + "old.txt.lnk", L"C:\\docs\\old.txt"));
    RecentScanner scanner;
    ASSERT_TRUE(scanner.Attach(recent_));
    Capture capture;
    EXPECT_EQ(scanner.Scan(capture), 0);
    ASSERT_TRUE(SaveShortcut(recent_ + "new.txt.lnk", L"C:\\docs\\new.txt"));
    EXPECT_EQ(scanner.Scan(capture), 1);
    EXPECT_EQ(capture.targets, (std::vector<std::string>{"C:\\docs\\new.txt"}));
    EXPECT_EQ(scanner.Scan(capture), 0) << "a second notification for one change records nothing";
}

TEST_F(RecentScannerTest, DisabledScannerDoesNothingAndCatchesUpLater) {
    RecentScanner scanner;
    scanner.Attach(recent_);
    scanner.SetScanEnabled(false);
    ASSERT_TRUE(SaveShortcut(recent_ + "a.txt.lnk", L"C:\\docs\\a.txt"));
    Capture capture;
    EXPECT_EQ(scanner.Scan(capture), 0);
    scanner.SetScanEnabled(true);
    EXPECT_EQ(scanner.Scan(capture), 1);
}

TEST_F(RecentScannerTest, TheShellFinishingAShortcutIsNotASecondOpening) {
    RecentScanner scanner;
    scanner.Attach(recent_);
    Capture capture;
    const std::string shortcut = recent_ + "a.txt.lnk";
    ASSERT_TRUE(SaveShortcut(shortcut, L"C:\\docs\\a.txt"));
    EXPECT_EQ(scanner.Scan(capture), 1);
    ShiftLastWrite(shortcut, 10'000);  // written again a millisecond later
    EXPECT_EQ(scanner.Scan(capture), 0);
    ShiftLastWrite(shortcut, 25'000'000);  // opened again 2.5 s later
    EXPECT_EQ(scanner.Scan(capture), 1);
    ASSERT_TRUE(SaveShortcut(shortcut, L"C:\\docs\\other\\a.txt"));  // another target at once
    EXPECT_EQ(scanner.Scan(capture), 1);
    EXPECT_EQ(capture.targets,
              (std::vector<std::string>{"C:\\docs\\a.txt", "C:\\docs\\a.txt", "C:\\docs\\other\\a.txt"}));
}

TEST_F(RecentScannerTest, RecordsTheShortcutsLastWriteTimeAsALocalDate) {
    RecentScanner scanner;
    scanner.Attach(recent_);
    Capture capture;
    ASSERT_TRUE(SaveShortcut(recent_ + "a.txt.lnk", L"C:\\docs\\a.txt"));
    ASSERT_EQ(scanner.Scan(capture), 1);
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    const double nowDate = (now.wHour * 3600 + now.wMinute * 60 + now.wSecond) / 86400.0 + TodayDayNumber();
    EXPECT_NEAR(capture.dates[0], nowDate, 30.0 / 86400.0);
}

TEST_F(RecentScannerTest, TargetsLongerThan260BytesAreRecordedWhole) {
    RecentScanner scanner;
    scanner.Attach(recent_);
    Capture capture;
    // Under 260 characters, but far more than 260 bytes in UTF-8: a 260-byte buffer would
    // cut it in the middle of a name.
    std::wstring target = L"C:\\documents";
    for (int i = 0; i < 7; ++i) target += L"\\Папка номер " + std::to_wstring(i) + L" с длинным именем";
    target += L"\\отчёт.docx";
    ASSERT_LT(target.size(), 260u);
    ASSERT_GT(Utf8FromWide(target).size(), 260u);
    ASSERT_TRUE(SaveShortcut(recent_ + "long.docx.lnk", target));
    EXPECT_EQ(scanner.Scan(capture), 1);
    EXPECT_EQ(capture.targets, std::vector<std::string>{Utf8FromWide(target)});
}

// What each real shortcut made by Windows resolves to in the Recent folder, and so what is
// recorded: "" where nothing may be recorded (no path, a folder, no extension, or a name the
// shell could only give back with "?" in place of characters).
const std::map<std::string, std::string> kCorpusExpectations = {  // by the files' number
    {"01", "D:\\Dropbox\\XW training material\\!!!ERZ Class\\Labs\\05 - Interface.docx"},
    {"02", "C:\\Users\\e\\Desktop\\Book2.xlsx"},
    {"03", "C:\\Users\\heznik\\Downloads\\2020M09_01_contract.pdf"},
    {"04", "C:\\Users\\stray\\Downloads\\catastrophe_89f317b5c3.7z"},
    {"05", "C:\\test\\a.txt"},
    {"06", "C:\\Windows\\explorer.exe"},
    {"07", "C:\\Users\\e\\Desktop\\Hello.doc"},
    {"08", ""},
    {"09", "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe"},
    {"10", "D:\\Windows\\System32\\wuapp.exe"},
    {"11", ""},
    {"12", ""},
    {"13", "E:\\Razwan Ali\\REACT NATIVE\\React-Navigation-with-drawer\\.git"},
    {"14", "C:\\Users\\Jonathan\\AppData\\Roaming\\.minecraft"},
    {"15", ""},
    {"16", ""},
    {"17", ""},
    {"18", ""},
    {"19", ""},
    {"20", ""},
    {"21", ""},
    {"22", ""},
    {"23", ""},
    {"24", ""},
    {"25", ""},
    {"26", "..\\..\\..\\..\\..\\..\\Windows\\System32\\calc.exe"},
    {"27", "..\\..\\..\\..\\..\\..\\Windows\\System32\\control.exe"},
    {"28", ""},
    {"29", "..\\..\\..\\..\\..\\..\\Program Files\\xt\\xt.exe"},
    {"30", ""},
    {"31", ""},
    {"32", ""},
    {"33", ""},
    {"34", "D:\\ööö\\äöüàéèíïóòúü.txt"},
    {"35", ""},
    {"36", ""},
    {"37",
     "C:\\Users\\e\\AppData\\Local\\Packages\\Microsoft.MicrosoftEdge_8wekyb3d8bbwe\\AC\\MicrosoftEdge\\User\\"
     "Default\\DataStore\\Data\\nouser1\\120712-0049\\DBStore\\spartan.edb"},
    {"38", ""},
    {"39", ""},
    {"40", ""},
};

// The corpus file whose name starts with the number and a dash.
std::string CorpusFileNamed(const std::string& number) {
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA((corpusFolder + "\\" + number + "-*.lnk").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    ::FindClose(search);
    return found.cFileName;
}

TEST_F(RecentScannerTest, RealShortcutsFromWindowsRecordExactlyTheirTargets) {
    ASSERT_FALSE(corpusFolder.empty());
    RecentScanner scanner;
    scanner.Attach(recent_);
    int seen = 0;
    for (const auto& [number, expected] : kCorpusExpectations) {
        const std::string name = CorpusFileNamed(number);
        ASSERT_FALSE(name.empty()) << "no shortcut numbered " << number;
        const std::string source = corpusFolder + "\\" + name;
        // Copied as the shell would have written it: a normal, writable file.
        ASSERT_TRUE(::CopyFileA(source.c_str(), (recent_ + name).c_str(), FALSE)) << name;
        ::SetFileAttributesA((recent_ + name).c_str(), FILE_ATTRIBUTE_NORMAL);
        Capture capture;
        scanner.Scan(capture);
        if (expected.empty()) {
            EXPECT_TRUE(capture.targets.empty()) << name << " recorded " << capture.targets[0];
        } else {
            EXPECT_EQ(capture.targets, std::vector<std::string>{expected}) << name;
        }
        ++seen;
    }
    EXPECT_EQ(seen, 40);
}

int recentChanges = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_RECENT_CHANGED) ++recentChanges;
    return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateCountingWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &CountingProc;
    windowClass.lpszClassName = "KestrumTestCounter";
    ::RegisterClassA(&windowClass);
    return ::CreateWindowExA(0, "KestrumTestCounter", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

TEST(RecentWatcherTest, PostsAMessageForEachChangeAndStopsPromptly) {
    ScratchFolder folder("kestrum-watch");
    HWND window = CreateCountingWindow();
    ASSERT_TRUE(window);
    recentChanges = 0;
    RecentWatcher watcher;
    ASSERT_TRUE(watcher.Start(window, folder.Path()));
    EXPECT_TRUE(watcher.Running());
    std::this_thread::sleep_for(100ms);  // let the thread arm its notification
    WriteFile(folder.Path() + "a.lnk", "x");
    EXPECT_TRUE(WaitUntil([&] { return recentChanges > 0; }, 5s));

    const auto before = std::chrono::steady_clock::now();
    watcher.Stop();
    EXPECT_LT(std::chrono::steady_clock::now() - before, 1s);
    EXPECT_FALSE(watcher.Running());
    EXPECT_EQ(watcher.ExitCode(), 0u);
    watcher.Stop();  // stopping twice does nothing
    ::DestroyWindow(window);
}

TEST(RecentWatcherTest, EndsAtOnceWhenTheFolderCannotBeWatched) {
    HWND window = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    RecentWatcher watcher;
    ASSERT_TRUE(watcher.Start(window, "C:\\no such folder\\anywhere\\"));
    watcher.Stop();
    EXPECT_EQ(watcher.ExitCode(), static_cast<DWORD>(-1));
    ::DestroyWindow(window);
}

TEST(LegacyCodePage, DecodesTheSystemsAnsiCodePage) {
    EXPECT_EQ(LegacyAnsiCodePage(), 1252u);  // the test prefix runs a Western locale
    EXPECT_EQ(DecodeLegacyAnsi("C:\\caf\xE9 \x80.txt"), "C:\\café €.txt");
    EXPECT_EQ(DecodeLegacyAnsi(""), "");
}

TEST(HistoryAppenderTest, SuspendsScanningWhileAppendingAndRefreshesAfterwards) {
    ScratchFolder folder("kestrum-append");
    HistoryFile history;
    ASSERT_TRUE(history.Locate(folder.Path() + "Kestrum.exe"));
    RecentScanner scanner;
    HWND window = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    bool enabledDuringRefresh = true;
    int refreshes = 0;
    HistoryAppender appender(history, scanner, window, [&] {
        enabledDuringRefresh = scanner.ScanEnabled();
        ++refreshes;
    });
    EXPECT_TRUE(appender.RecordOpening("C:\\a b\\c.txt", 39119.541667));
    EXPECT_EQ(refreshes, 1);
    EXPECT_FALSE(enabledDuringRefresh);
    EXPECT_TRUE(scanner.ScanEnabled());
    EXPECT_EQ(ReadFile(folder.Path() + "Kestrum.dat"), "39119.541667 C:\\a b\\c.txt\r\n");

    EXPECT_FALSE(appender.RecordOpening("", 39119.5)) << "an empty path is not appended";
    ::DestroyWindow(window);
    EXPECT_FALSE(appender.RecordOpening("C:\\x.txt", 39119.5)) << "nothing without the list window";
    EXPECT_EQ(refreshes, 1);
}

TEST(HistoryAppenderTest, AFailedAppendSaysSoAndDoesNotRefresh) {
    ScratchFolder folder("kestrum-append-fail");
    HistoryFile history;
    ASSERT_TRUE(history.Locate(folder.Path() + "Kestrum.exe"));
    ::DeleteFileA((folder.Path() + "Kestrum.dat").c_str());
    ::CreateDirectoryA((folder.Path() + "Kestrum.dat").c_str(), nullptr);  // cannot be opened as a file
    RecentScanner scanner;
    HWND window = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    int refreshes = 0;
    HistoryAppender appender(history, scanner, window, [&] { ++refreshes; });
    std::string shown;
    std::thread answer([&] { shown = AnswerMessageBox(); });
    EXPECT_FALSE(appender.RecordOpening("C:\\a.txt", 39119.5));
    answer.join();
    EXPECT_EQ(shown, "Cannot save to the dat-file");
    EXPECT_EQ(refreshes, 0);
    EXPECT_TRUE(scanner.ScanEnabled());
    ::DestroyWindow(window);
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc == 2) corpusFolder = HostPathToWindows(argv[1]);
    return RUN_ALL_TESTS();
}
