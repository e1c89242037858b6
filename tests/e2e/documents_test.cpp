// The real Kestrum.exe acting on real documents: Open and Print through a document type whose
// program records each call, Delete to the Recycle Bin, Clear List, and Copy and Move.
//
// Arguments: the host paths of Kestrum.exe and record_verb.exe. The harness points the
// Recycle Bin (Wine's trash) at a folder of the test run through XDG_DATA_HOME.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "kestrum_process.h"
#include "remote_controls.h"
#include "wine_test_support.h"

using namespace std::chrono_literals;
using namespace testsupport;

namespace {

std::string kestrumExe;
std::string recorderExe;

constexpr char kBranch[] = "Software\\Quillon Works\\Kestrum";
constexpr char kTypeKey[] = "Kestrum.TestDocument";
constexpr int kListId = 1032;
constexpr int kFolderCombo = 1034;
constexpr int kOverwriteBox = 1036;
enum Command : WPARAM {
    kOpen = 57601,
    kPrint = 57607,
    kDelete = 32782,
    kCopy = 32806,
    kMove = 32807,
    kClearList = 32802,
};

void StoreNumber(const char* name, DWORD value) {
    ::RegSetKeyValueA(HKEY_CURRENT_USER, kBranch, name, REG_DWORD, &value, sizeof value);
}

// The type's open and print commands run the recorder. Wine's shell reads file types from the
// machine's classes only, so the type is registered there.
void RegisterRecordedType() {
    ::RegSetValueA(HKEY_CLASSES_ROOT, ".kstest", REG_SZ, kTypeKey, 0);
    for (const char* verb : {"open", "print"}) {
        const std::string command = "\"" + recorderExe + "\" " + verb + " \"%1\"";
        ::RegSetValueA(HKEY_CLASSES_ROOT, (std::string(kTypeKey) + "\\shell\\" + verb + "\\command").c_str(), REG_SZ,
                       command.c_str(), 0);
    }
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class Documents : public testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
        ClearRecentFolder();
        RegisterRecordedType();
        ::DeleteFileA(RecorderLog().c_str());
        // One list of every type, each opening a row of its own, missing documents shown.
        StoreNumber("ViewTypesAll", 1);
        StoreNumber("ViewDuplicates", 1);
        StoreNumber("ViewDeleted", 1);
        StoreNumber("Minimized", 0);
    }
    void TearDown() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kTypeKey);
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, ".kstest");
    }

    static std::string RecorderLog() { return recorderExe + ".log"; }

    std::string Document(const std::string& relative, const std::string& content) {
        const std::string path = documents_.Path() + relative;
        EXPECT_TRUE(WriteFile(path, content));
        return path;
    }
    static std::string Line(int day, const std::string& path) { return std::to_string(day) + ".500000 " + path + "\r\n"; }

    // Starts Kestrum on `history` and waits for its list to show `rows` rows.
    void Start(const std::string& history, int rows) {
        ASSERT_TRUE(WriteFile(program_.Path() + "Kestrum.dat", history));
        kestrum_.emplace(kestrumExe, program_.Path());
        ASSERT_TRUE(kestrum_->Started());
        frame_ = kestrum_->Window();
        ASSERT_TRUE(frame_);
        list_ = FindDescendant(frame_, kListId);
        ASSERT_TRUE(list_);
        remote_.emplace(frame_);
        ASSERT_TRUE(WaitUntil([&] { return RowCount() == rows; }, 10s)) << RowCount();
    }
    int RowCount() const { return static_cast<int>(::SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }
    std::string RowPath(int row) { return remote_->ListCell(list_, row, 1) + remote_->ListCell(list_, row, 0); }
    std::vector<std::string> RowPaths() {
        std::vector<std::string> paths;
        for (int row = 0; row < RowCount(); ++row) paths.push_back(RowPath(row));
        return paths;
    }
    int RowOf(const std::string& path) {
        const std::vector<std::string> paths = RowPaths();
        const auto found = std::find(paths.begin(), paths.end(), path);
        return found == paths.end() ? -1 : static_cast<int>(found - paths.begin());
    }
    void Select(const std::vector<int>& rows) { ASSERT_TRUE(remote_->SelectRows(list_, rows)); }
    void Run(Command command) { ::PostMessageA(frame_, WM_COMMAND, command, 0); }
    // Runs a command that asks first, answers with `button`; the question's text.
    std::string RunAnswering(Command command, int button) {
        auto answer = std::async(std::launch::async, [button] { return AnswerMessageBoxWith(button); });
        Run(command);
        return answer.get();
    }
    // The recorder's calls ("<verb>|<path>") in the order they were started, once `count` arrived
    // and a moment passed without more.
    std::vector<std::string> Recorded(size_t count) {
        WaitUntil([&] { return ReadLines(RecorderLog()).size() >= count; }, 15s);
        std::this_thread::sleep_for(700ms);
        std::vector<std::string> lines = ReadLines(RecorderLog());
        std::sort(lines.begin(), lines.end());  // by the fixed-width start time in front
        for (std::string& line : lines) line.erase(0, line.find('|') + 1);
        return lines;
    }

    ScratchFolder program_{"kestrum-documents"};
    ScratchFolder documents_{"kestrum-documents-files"};
    std::optional<KestrumProcess> kestrum_;
    std::optional<RemoteControls> remote_;
    HWND frame_ = nullptr;
    HWND list_ = nullptr;
};

TEST_F(Documents, OpenAndPrintCallTheProgramOnceForEachExistingDocumentInListOrder) {
    const int today = TodayDayNumber();
    const std::string a = Document("a letter.kstest", "a");
    const std::string b = Document("Über\\b.kstest", "b");
    const std::string gone = documents_.Path() + "gone.kstest";
    Start(Line(today, a) + Line(today, gone) + Line(today, b) + Line(today, a), 4);

    Select({0, 1, 2, 3});
    std::vector<std::string> expected;
    for (const std::string& path : RowPaths()) {
        if (path != gone && std::find(expected.begin(), expected.end(), path) == expected.end()) expected.push_back(path);
    }
    ASSERT_EQ(expected.size(), 2u);

    Run(kOpen);
    EXPECT_EQ(Recorded(2), (std::vector<std::string>{"open|" + expected[0], "open|" + expected[1]}));
    Run(kPrint);
    EXPECT_EQ(Recorded(4), (std::vector<std::string>{"open|" + expected[0], "open|" + expected[1],
                                                     "print|" + expected[0], "print|" + expected[1]}));
    EXPECT_TRUE(kestrum_->ExitWithin(5s));
}

TEST_F(Documents, DeleteAsksAndSendsTheDocumentToTheRecycleBinLeavingTheHistoryAlone) {
    const std::string trash = TrashFilesFolder();
    ASSERT_FALSE(trash.empty()) << "the harness sets XDG_DATA_HOME";
    const int today = TodayDayNumber();
    const std::string keep = Document("keep.kstest", "keep");
    const std::string doomed = Document("doomed.kstest", "doomed");
    ::DeleteFileA((trash + "doomed.kstest").c_str());
    const std::string history = Line(today, keep) + Line(today, doomed);
    Start(history, 2);
    const int row = RowOf(doomed);
    ASSERT_GE(row, 0);
    // Its status is learnt off the window's thread, a moment after the row is shown.
    ASSERT_TRUE(WaitUntil([&] { return !remote_->ListCell(list_, row, 2).empty(); }, 5s)) << "an existing document has a size";
    Select({row});

    EXPECT_EQ(RunAnswering(kDelete, IDCANCEL), "Are you sure you want to send selected document(s) to the Recycle Bin?");
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(Exists(doomed)) << "Cancel deletes nothing";

    EXPECT_FALSE(RunAnswering(kDelete, IDOK).empty());
    EXPECT_TRUE(WaitUntil([&] { return !Exists(doomed); }, 5s));
    EXPECT_EQ(ReadFile(trash + "doomed.kstest"), "doomed");
    EXPECT_TRUE(Exists(keep));
    // The row stays, now for a missing document: no size.
    EXPECT_TRUE(WaitUntil([&] { return RowOf(doomed) >= 0 && remote_->ListCell(list_, RowOf(doomed), 2).empty(); }, 5s));
    EXPECT_EQ(ReadFile(program_.Path() + "Kestrum.dat"), history);
    EXPECT_TRUE(kestrum_->ExitWithin(5s));
}

TEST_F(Documents, ClearListRemovesExactlyTheShownLinesAndKeepsTheRestByteForByte) {
    const int today = TodayDayNumber();
    const std::string shown1 = Document("one.kstest", "1");
    const std::string shown2 = documents_.Path() + "gone.txt";
    // Outside the date filter (the last day): kept, in order, with their own spelling.
    const std::string old = "40000.250000 C:\\Old\\letter.doc\r\n" + std::string("40001.750000 C:\\Old\\LETTER.DOC\r\n");
    Start(Line(today, shown1) + old.substr(0, old.find('\n') + 1) + Line(today, shown2) + old.substr(old.find('\n') + 1), 2);
    const std::string before = ReadFile(program_.Path() + "Kestrum.dat");

    EXPECT_EQ(RunAnswering(kClearList, IDCANCEL), "Are you sure you want to clear the list?");
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(ReadFile(program_.Path() + "Kestrum.dat"), before);
    EXPECT_EQ(RowCount(), 2);

    EXPECT_FALSE(RunAnswering(kClearList, IDOK).empty());
    EXPECT_TRUE(WaitUntil([&] { return RowCount() == 0; }, 5s));
    EXPECT_EQ(ReadFile(program_.Path() + "Kestrum.dat"), old);
    EXPECT_TRUE(Exists(shown1)) << "documents on disk are not touched";
    EXPECT_TRUE(kestrum_->ExitWithin(5s));
}

// The copy/move dialog of the running program, driven as a user would: a folder typed, the
// overwrite box set, OK; the text of the message that reports the outcome.
class Transfers : public Documents {
protected:
    std::string Transfer(Command command, const std::string& folder, bool overwrite) {
        const char* caption = command == kCopy ? "Copying Document(s)" : "Moving Document(s)";
        Run(command);
        HWND dialog = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (dialog = ::FindWindowA("#32770", caption)) != nullptr; }, 5s));
        if (dialog == nullptr) return {};
        const HWND combo = ::GetDlgItem(dialog, kFolderCombo);
        ::SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kFolderCombo, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
        ::SendMessageA(::GetDlgItem(dialog, kOverwriteBox), BM_SETCHECK, overwrite ? BST_CHECKED : BST_UNCHECKED, 0);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(dialog, IDOK)));
        auto answer = std::async(std::launch::async, [] { return AnswerMessageBox(); });
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        return answer.get();
    }
};

TEST_F(Transfers, TwoDocumentsOfOneNameNeverOverwriteEachOther) {
    const int today = TodayDayNumber();
    const std::string first = Document("x\\same.kstest", "first");
    const std::string second = Document("y\\same.kstest", "second");
    const std::string target = documents_.Path() + "target\\";
    ASSERT_TRUE(::CreateDirectoryA(target.c_str(), nullptr));
    Start(Line(today, first) + Line(today, second), 2);
    Select({RowOf(first), RowOf(second)});

    EXPECT_EQ(Transfer(kCopy, target, true), "Cannot copy document");
    EXPECT_EQ(ReadFile(target + "same.kstest"), ReadFile(RowPath(0)));
    EXPECT_EQ(ReadFile(first), "first");
    EXPECT_EQ(ReadFile(second), "second");

    // Moving onto itself (overwrite on, the document's own folder) keeps it whole.
    Select({RowOf(first)});
    EXPECT_EQ(Transfer(kMove, documents_.Path() + "x/", true), "Cannot move document");
    EXPECT_EQ(ReadFile(first), "first");

    // A move with overwrite off leaves an existing target alone and reports it.
    Select({RowOf(second)});
    EXPECT_EQ(Transfer(kMove, target, false), "Cannot move document");
    EXPECT_EQ(ReadFile(second), "second");
    EXPECT_EQ(ReadFile(target + "same.kstest"), ReadFile(RowPath(0)));
    EXPECT_TRUE(kestrum_->ExitWithin(5s));
}

TEST_F(Transfers, MoveTakesTheDocumentAndTheListShowsItMissing) {
    const int today = TodayDayNumber();
    const std::string moved = Document("move me.kstest", "content");
    const std::string target = documents_.Path() + "moved to\\";
    ASSERT_TRUE(::CreateDirectoryA(target.c_str(), nullptr));
    Start(Line(today, moved), 1);
    Select({0});

    EXPECT_EQ(Transfer(kMove, target, false), "Operation completed successfully");
    EXPECT_FALSE(Exists(moved));
    EXPECT_EQ(ReadFile(target + "move me.kstest"), "content");
    EXPECT_TRUE(WaitUntil([&] { return remote_->ListCell(list_, 0, 2).empty(); }, 5s)) << "rebuilt: now missing";
    EXPECT_TRUE(kestrum_->ExitWithin(5s));
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: documents_e2e_tests KESTRUM_EXE RECORD_VERB_EXE (host paths)\n");
        return 2;
    }
    kestrumExe = HostPathToWindows(argv[1]);
    recorderExe = HostPathToWindows(argv[2]);
    return RUN_ALL_TESTS();
}
