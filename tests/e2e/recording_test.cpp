// The real Kestrum.exe records documents that are opened through the shell.
//
// Arguments: the host paths of Kestrum.exe and open_documents.exe. Each test runs a fresh copy
// of the program in a folder of its own (so its history starts empty) against an emptied
// Recent folder, and opens documents the way every Windows program does.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <set>
#include <thread>

#include "app/instance_marker.h"
#include "tracking/history_line.h"
#include "wine_test_support.h"

using namespace std::chrono_literals;
using namespace testsupport;

namespace {

// The Exit command of the main window's File menu.
constexpr WPARAM kExitCommand = 32820;

std::string kestrumExe;
std::string openDocumentsExe;

struct FoundWindow {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindMarkedWindow(HWND window, LPARAM parameter) {
    auto* found = reinterpret_cast<FoundWindow*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == found->processId && ::GetWindowLongPtrA(window, GWLP_USERDATA) == kInstanceMarker) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

class RunningKestrum {
public:
    explicit RunningKestrum(const std::string& folder) : exe_(folder + "Kestrum.exe") {
        EXPECT_TRUE(::CopyFileA(kestrumExe.c_str(), exe_.c_str(), FALSE));
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + exe_ + "\"";
        started_ = ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    folder.c_str(), &startup, &process_);
        EXPECT_TRUE(started_);
        // Ready once its marked window exists: the watcher is running by then.
        EXPECT_TRUE(WaitUntil([&] { return Window() != nullptr; }, 10s));
    }

    ~RunningKestrum() {
        if (!started_) return;
        if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(process_.hProcess, 1);
            ::WaitForSingleObject(process_.hProcess, 5000);
        }
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }

    HWND Window() const {
        FoundWindow found{process_.dwProcessId, nullptr};
        ::EnumWindows(&FindMarkedWindow, reinterpret_cast<LPARAM>(&found));
        return found.window;
    }

    // Ends the program with its Exit command (closing the window only hides it); true when
    // the process has ended within `limit`.
    bool CloseWithin(std::chrono::milliseconds limit) {
        const HWND window = Window();
        if (!window) return false;
        ::PostMessageA(window, WM_COMMAND, kExitCommand, 0);
        return ::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
    }

    std::string HistoryPath() const { return exe_.substr(0, exe_.size() - 3) + "dat"; }

private:
    std::string exe_;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

class Recording : public testing::Test {
protected:
    void SetUp() override { ClearRecentFolder(); }

    void Open(const std::vector<std::string>& paths) {
        ASSERT_EQ(RunAndWait(openDocumentsExe, paths), 0);
    }

    std::string Document(const std::string& relative) {
        const std::string path = documents_.Path() + relative;
        EXPECT_TRUE(WriteFile(path, "content of " + relative));
        return path;
    }

    // The recorded paths, in file order, once the history holds `count` lines and nothing
    // more arrives for a moment.
    std::vector<std::string> RecordedPaths(const RunningKestrum& kestrum, size_t count) {
        const std::string history = kestrum.HistoryPath();
        WaitUntil([&] { return ReadLines(history).size() >= count; }, 15s);
        std::this_thread::sleep_for(700ms);
        std::vector<std::string> paths;
        for (const std::string& line : ReadLines(history)) {
            const auto parsed = ParseHistoryLine(line);
            EXPECT_TRUE(parsed) << "malformed line: " << line;
            if (!parsed) continue;
            EXPECT_EQ(parsed->day, TodayDayNumber()) << line;
            paths.emplace_back(parsed->path);
        }
        return paths;
    }

    ScratchFolder program_{"kestrum-e2e"};
    ScratchFolder documents_{"kestrum-docs"};
};

TEST_F(Recording, ThreeOpenedDocumentsGiveThreeLinesAndAReopeningAFourth) {
    RunningKestrum kestrum(program_.Path());
    const std::string plain = Document("plain.txt");
    const std::string blanks = Document("My Folder\\a report 2026.docx");
    const std::string foreign = Document("Über\\日本語 ñandú.pdf");

    Open({plain});
    Open({blanks});
    Open({foreign});
    EXPECT_EQ(RecordedPaths(kestrum, 3), (std::vector<std::string>{plain, blanks, foreign}));

    // A genuine re-opening, after the moment in which the shell may still be finishing the
    // first shortcut, is recorded again.
    std::this_thread::sleep_for(2100ms);
    Open({blanks});
    EXPECT_EQ(RecordedPaths(kestrum, 4), (std::vector<std::string>{plain, blanks, foreign, blanks}));
    EXPECT_TRUE(kestrum.CloseWithin(2s));
}

TEST_F(Recording, ABurstOfOpeningsGivesOneLineEach) {
    RunningKestrum kestrum(program_.Path());
    std::vector<std::string> expected;
    for (int round = 0; round < 3; ++round) {
        std::vector<std::string> burst;
        for (int i = 0; i < 100; ++i) {
            burst.push_back(Document("burst " + std::to_string(round) + "\\doc " + std::to_string(i) + ".txt"));
        }
        Open(burst);  // one process, as fast as the shell allows
        expected.insert(expected.end(), burst.begin(), burst.end());
        std::vector<std::string> recorded = RecordedPaths(kestrum, expected.size());
        EXPECT_EQ(recorded.size(), expected.size()) << "round " << round;
        std::multiset<std::string> got(recorded.begin(), recorded.end());
        EXPECT_EQ(got, std::multiset<std::string>(expected.begin(), expected.end())) << "round " << round;
    }
    EXPECT_TRUE(kestrum.CloseWithin(2s));
}

TEST_F(Recording, AShortcutFromBeforeStartIsRecordedOnlyWhenRewritten) {
    const std::string early = Document("early.txt");
    Open({early});
    RunningKestrum kestrum(program_.Path());
    const std::string other = Document("other.txt");
    Open({other});
    EXPECT_EQ(RecordedPaths(kestrum, 1), (std::vector<std::string>{other}));

    Open({early});
    EXPECT_EQ(RecordedPaths(kestrum, 2), (std::vector<std::string>{other, early}));
    EXPECT_TRUE(kestrum.CloseWithin(2s));
}

TEST_F(Recording, AShortcutToAFolderRecordsNothing) {
    RunningKestrum kestrum(program_.Path());
    const std::string folder = documents_.Path() + "Just A Folder";
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    Open({folder});
    const std::string after = Document("after.txt");
    Open({after});
    EXPECT_EQ(RecordedPaths(kestrum, 1), (std::vector<std::string>{after}));
    EXPECT_TRUE(kestrum.CloseWithin(2s));
}

TEST_F(Recording, ClosingStopsTheWatcherAndEndsTheProcessPromptly) {
    RunningKestrum kestrum(program_.Path());
    EXPECT_TRUE(kestrum.CloseWithin(2s));
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: recording_e2e_tests KESTRUM_EXE OPEN_DOCUMENTS_EXE (host paths)\n");
        return 2;
    }
    kestrumExe = HostPathToWindows(argv[1]);
    openDocumentsExe = HostPathToWindows(argv[2]);
    return RUN_ALL_TESTS();
}
