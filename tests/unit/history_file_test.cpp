// The history file on a real file system: creation, appends, the read pass and the purge rewrite.
#include "tracking/history_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace {

class HistoryFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("kestrum-history-" + std::to_string(seed()));
        fs::create_directories(folder_);
        program_ = (folder_ / "Kestrum.exe").u8string();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::string ProgramPath() const { return std::string(program_.begin(), program_.end()); }
    fs::path DatPath() const { return folder_ / "Kestrum.dat"; }

    std::string Contents() const {
        std::ifstream in(DatPath(), std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
    void SetContents(const std::string& text) const {
        std::ofstream(DatPath(), std::ios::binary | std::ios::trunc) << text;
    }
    std::vector<std::string> Lines(const HistoryFile& file) const {
        std::vector<std::string> lines;
        EXPECT_TRUE(file.ReadLines([&](std::string_view line) { lines.emplace_back(line); }));
        return lines;
    }

    fs::path folder_;
    std::u8string program_;
};

TEST_F(HistoryFileTest, LocateCreatesAnEmptyFileBesideTheProgram) {
    HistoryFile file;
    ASSERT_TRUE(file.Locate(ProgramPath()));
    EXPECT_TRUE(fs::exists(DatPath()));
    EXPECT_EQ(fs::file_size(DatPath()), 0u);
    EXPECT_TRUE(Lines(file).empty());
}

TEST_F(HistoryFileTest, LocateKeepsAnExistingHistory) {
    SetContents("39119.541667 C:\\a.txt\r\n");
    HistoryFile file;
    ASSERT_TRUE(file.Locate(ProgramPath()));
    EXPECT_EQ(Contents(), "39119.541667 C:\\a.txt\r\n");
}

TEST_F(HistoryFileTest, ReadLinesSkipsOnlyALeadingByteOrderMark) {
    HistoryFile file;
    ASSERT_TRUE(file.Locate(ProgramPath()));
    SetContents("\xEF\xBB\xBF" "39119.541667 C:\\a.txt\r\n\xEF\xBB\xBFsecond\r\n");
    EXPECT_EQ(Lines(file), (std::vector<std::string>{"39119.541667 C:\\a.txt", "\xEF\xBB\xBFsecond"}));
}

TEST_F(HistoryFileTest, EmptyProgramPathDisablesEverything) {
    HistoryFile file;
    EXPECT_FALSE(file.Locate(""));
    EXPECT_FALSE(file.Append("39119.541667 C:\\a.txt\r\n"));
    EXPECT_FALSE(file.ReadLines([](std::string_view) {}));
    EXPECT_FALSE(file.Rewrite(""));
}

TEST_F(HistoryFileTest, AppendsLinesInOrder) {
    HistoryFile file;
    file.Locate(ProgramPath());
    ASSERT_TRUE(file.Append("39119.541667 C:\\a b\\c d.txt\r\n"));
    ASSERT_TRUE(file.Append("39120.000000 C:\\e.txt\r\n"));
    EXPECT_EQ(Contents(), "39119.541667 C:\\a b\\c d.txt\r\n39120.000000 C:\\e.txt\r\n");
    EXPECT_EQ(Lines(file), (std::vector<std::string>{"39119.541667 C:\\a b\\c d.txt", "39120.000000 C:\\e.txt"}));
}

TEST_F(HistoryFileTest, AppendNeverGluesOntoAHandEditedLastLine) {
    SetContents("39119.541667 C:\\edited.txt");
    HistoryFile file;
    file.Locate(ProgramPath());
    ASSERT_TRUE(file.Append("39120.000000 C:\\next.txt\r\n"));
    EXPECT_EQ(Lines(file), (std::vector<std::string>{"39119.541667 C:\\edited.txt", "39120.000000 C:\\next.txt"}));
}

TEST_F(HistoryFileTest, AppendRecreatesADeletedFile) {
    HistoryFile file;
    file.Locate(ProgramPath());
    fs::remove(DatPath());
    ASSERT_TRUE(file.Append("39120.000000 C:\\next.txt\r\n"));
    EXPECT_EQ(Contents(), "39120.000000 C:\\next.txt\r\n");
}

TEST_F(HistoryFileTest, AppendFailsWhenTheFileCannotBeOpened) {
    HistoryFile file;
    file.Locate(ProgramPath());
    fs::remove(DatPath());
    fs::create_directory(DatPath());  // a folder in the file's place
    EXPECT_FALSE(file.Append("39120.000000 C:\\next.txt\r\n"));
}

TEST_F(HistoryFileTest, ReadPassHandlesEveryLineEnd) {
    SetContents("one\r\ntwo\nthree\r\n\r\nlast without end");
    HistoryFile file;
    file.Locate(ProgramPath());
    EXPECT_EQ(Lines(file), (std::vector<std::string>{"one", "two", "three", "", "last without end"}));
}

TEST_F(HistoryFileTest, ReadPassJoinsLinesAcrossItsBuffer) {
    std::string text;
    std::vector<std::string> expected;
    for (int i = 0; i < 5000; ++i) {
        expected.push_back("39119.541667 C:\\folder " + std::to_string(i) + "\\document.txt");
        text += expected.back() + "\r\n";
    }
    SetContents(text);
    HistoryFile file;
    file.Locate(ProgramPath());
    EXPECT_EQ(Lines(file), expected);
}

TEST_F(HistoryFileTest, ReadPassFailsOnAMissingFile) {
    HistoryFile file;
    file.Locate(ProgramPath());
    fs::remove(DatPath());
    EXPECT_FALSE(file.ReadLines([](std::string_view) {}));
}

TEST_F(HistoryFileTest, RewriteReplacesTheContent) {
    SetContents("a\r\nb\r\nc\r\n");
    HistoryFile file;
    file.Locate(ProgramPath());
    ASSERT_TRUE(file.Rewrite("b\r\n"));
    EXPECT_EQ(Contents(), "b\r\n");
    EXPECT_FALSE(fs::exists(folder_ / "Kestrum.dat.new"));
}

TEST_F(HistoryFileTest, AFailedRewriteKeepsTheOldHistory) {
    SetContents("a\r\nb\r\n");
    HistoryFile file;
    file.Locate(ProgramPath());
    fs::create_directory(folder_ / "Kestrum.dat.new");  // the new text cannot be written
    EXPECT_FALSE(file.Rewrite("b\r\n"));
    EXPECT_EQ(Contents(), "a\r\nb\r\n");
}

TEST(DecodeHistoryLine, DecodesOnlyLegacyPaths) {
    const LegacyDecoder latin1 = [](std::string_view bytes) {
        std::string out;
        for (unsigned char c : bytes) {
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return out;
    };
    EXPECT_EQ(DecodeHistoryLine("39119.541667 C:\\caf\xE9.txt", latin1)->path, "C:\\café.txt");
    EXPECT_EQ(DecodeHistoryLine("39119.541667 C:\\café.txt", latin1)->path, "C:\\café.txt");
    EXPECT_EQ(DecodeHistoryLine("39119.541667 C:\\caf\xE9.txt", nullptr)->path, "C:\\caf\xE9.txt");
    EXPECT_FALSE(DecodeHistoryLine("0 C:\\caf\xE9.txt", latin1));
}

}  // namespace
