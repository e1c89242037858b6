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

#include "tracking/history_line.h"
#include "kestrum_process.h"
#include "wine_test_support.h"

using namespace std::chrono_literals;
using namespace testsupport;

namespace {

std::string kestrumExe;
std::string openDocumentsExe;

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
    std::vector<std::string> RecordedPaths(const KestrumProcess& kestrum, size_t count) {
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
    KestrumProcess kestrum(kestrumExe, program_.Path());
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
    EXPECT_TRUE(kestrum.ExitWithin(2s));
}

TEST_F(Recording, ABurstOfOpeningsGivesOneLineEach) {
    KestrumProcess kestrum(kestrumExe, program_.Path());
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
    EXPECT_TRUE(kestrum.ExitWithin(2s));
}

TEST_F(Recording, AShortcutFromBeforeStartIsRecordedOnlyWhenRewritten) {
    const std::string early = Document("early.txt");
    Open({early});
    KestrumProcess kestrum(kestrumExe, program_.Path());
    const std::string other = Document("other.txt");
    Open({other});
    EXPECT_EQ(RecordedPaths(kestrum, 1), (std::vector<std::string>{other}));

    Open({early});
    EXPECT_EQ(RecordedPaths(kestrum, 2), (std::vector<std::string>{other, early}));
    EXPECT_TRUE(kestrum.ExitWithin(2s));
}

TEST_F(Recording, AShortcutToAFolderRecordsNothing) {
    KestrumProcess kestrum(kestrumExe, program_.Path());
    const std::string folder = documents_.Path() + "Just A Folder";
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    Open({folder});
    const std::string after = Document("after.txt");
    Open({after});
    EXPECT_EQ(RecordedPaths(kestrum, 1), (std::vector<std::string>{after}));
    EXPECT_TRUE(kestrum.ExitWithin(2s));
}

TEST_F(Recording, ClosingStopsTheWatcherAndEndsTheProcessPromptly) {
    KestrumProcess kestrum(kestrumExe, program_.Path());
    EXPECT_TRUE(kestrum.ExitWithin(2s));
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
