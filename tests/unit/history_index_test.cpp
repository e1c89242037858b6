// The parsed history: interning, and bringing it up to date by reading only what was appended.
#include "tracking/history_index.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Paths(const HistoryIndex& index) {
    std::vector<std::string> paths;
    for (const auto& line : index.Lines()) paths.emplace_back(index.Document(line.document).path);
    return paths;
}

std::string FoldUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    return text;
}

TEST(HistoryIndex, InternsDocumentsAndSkipsMalformedLines) {
    HistoryIndex index;
    index.AddText("39119.5 C:\\a.txt\r\nnonsense\r\n39120.5 C:\\A.TXT\r\n39121.5 C:\\a.txt\r\n0.0 C:\\zero.txt\r\n");
    ASSERT_EQ(index.Lines().size(), 3u);
    EXPECT_EQ(index.DocumentCount(), 2u);
    EXPECT_EQ(index.IdentityCount(), 1u) << "paths equal without regard to case are one document";
    EXPECT_EQ(index.Lines()[0].document, index.Lines()[2].document);
    EXPECT_EQ(index.Lines()[1].day, 39120);
}

TEST(HistoryIndex, ThousandsOfDocumentsKeepTheirNumbersAndIdentities) {
    HistoryIndex index;
    std::string text;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 5000; ++i) {
            // The third round writes every path in capitals: new documents, known identities.
            const std::string name = "C:\\Folder " + std::to_string(i % 37) + "\\report " + std::to_string(i) + ".txt";
            text += "39119.5 " + (round == 2 ? FoldUpper(name) : name) + "\r\n";
        }
    }
    index.AddText(text);
    ASSERT_EQ(index.Lines().size(), 15000u);
    EXPECT_EQ(index.DocumentCount(), 10000u);
    EXPECT_EQ(index.IdentityCount(), 5000u);
    for (uint32_t i = 0; i < 5000; ++i) {
        const auto& lines = index.Lines();
        ASSERT_EQ(lines[i].document, i);
        ASSERT_EQ(lines[5000 + i].document, i) << "the same path is the same document";
        ASSERT_EQ(lines[10000 + i].document, 5000 + i);
        ASSERT_EQ(index.Document(5000 + i).identity, index.Document(i).identity);
        ASSERT_EQ(index.Document(i).identity, i);
    }
}

TEST(HistoryIndex, ExtensionsShareAnIdWhateverTheirCase) {
    HistoryIndex index;
    index.AddText("39119.5 C:\\a.Txt\n39119.5 C:\\b.TXT\n39119.5 C:\\c.pdf\n39119.5 C:\\noext\n39119.5 C:\\x.tar.gz\n");
    const auto& docs = index.Lines();
    EXPECT_EQ(index.Document(docs[0].document).extension, index.Document(docs[1].document).extension);
    EXPECT_EQ(index.ExtensionText(index.Document(docs[0].document).extension), "Txt");
    EXPECT_NE(index.Document(docs[2].document).extension, index.Document(docs[0].document).extension);
    EXPECT_EQ(index.Document(docs[3].document).extension, HistoryIndex::kNoExtension);
    EXPECT_EQ(index.ExtensionText(index.Document(docs[4].document).extension), "gz");
    EXPECT_EQ(index.FindExtension(".TXT"), index.Document(docs[0].document).extension);
    EXPECT_EQ(index.FindExtension("doc"), HistoryIndex::kNoExtension);
}

TEST(HistoryIndex, DecodesLegacyPathsOnly) {
    HistoryIndex index([](std::string_view bytes) { return "decoded:" + std::string(bytes.size(), '?'); });
    index.AddText("39119.5 C:\\caf\xE9.txt\n39119.5 C:\\café.txt\n");
    EXPECT_EQ(Paths(index), (std::vector<std::string>{"decoded:" + std::string(11, '?'), "C:\\café.txt"}));
    // The same undecodable bytes again are the same document, decoded once.
    index.AddText("39120.5 C:\\caf\xE9.txt\n");
    EXPECT_EQ(index.DocumentCount(), 2u);
    EXPECT_EQ(index.Lines()[2].document, index.Lines()[0].document);
}

class HistoryIndexFile : public testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        path_ = (fs::temp_directory_path() / ("kestrum-index-" + std::to_string(seed()) + ".dat")).string();
    }
    void TearDown() override { fs::remove(path_); }

    void Write(const std::string& text, std::ios::openmode mode = std::ios::trunc) {
        // A new last-write time for every change, even on coarse file systems.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::ofstream(path_, std::ios::binary | mode) << text;
    }

    std::string path_;
};

TEST_F(HistoryIndexFile, ReadsOnlyWhatWasAppended) {
    Write("39119.5 C:\\a.txt\r\n");
    HistoryIndex index;
    EXPECT_EQ(index.Update(path_), HistoryIndex::Refresh::Rebuilt);
    EXPECT_EQ(index.Update(path_), HistoryIndex::Refresh::Unchanged);
    Write("39120.5 C:\\b.txt\r\n", std::ios::app);
    EXPECT_EQ(index.Update(path_), HistoryIndex::Refresh::Appended);
    EXPECT_EQ(Paths(index), (std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}));
}

TEST_F(HistoryIndexFile, AnEditedBeginningRebuildsEverything) {
    Write("39119.5 C:\\a.txt\r\n39119.5 C:\\b.txt\r\n");
    HistoryIndex index;
    index.Update(path_);
    Write("39119.5 C:\\x.txt\r\n39119.5 C:\\b.txt\r\n39119.5 C:\\c.txt\r\n");
    EXPECT_EQ(index.Update(path_), HistoryIndex::Refresh::Rebuilt);
    EXPECT_EQ(Paths(index), (std::vector<std::string>{"C:\\x.txt", "C:\\b.txt", "C:\\c.txt"}));
}

TEST_F(HistoryIndexFile, ARewriteOfTheSameSizeWithinASecondRebuildsEverything) {
    Write("39119.5 C:\\a.txt\r\n39119.5 C:\\b.txt\r\n");
    HistoryIndex index;
    index.Update(path_);
    Write("39119.5 C:\\c.txt\r\n39119.5 C:\\b.txt\r\n");
    EXPECT_EQ(index.Update(path_), HistoryIndex::Refresh::Rebuilt);
    EXPECT_EQ(Paths(index), (std::vector<std::string>{"C:\\c.txt", "C:\\b.txt"}));
}

TEST_F(HistoryIndexFile, AShorterFileRebuildsEverything) {
    Write("39119.5 C:\\a.txt\r\n39119.5 C:\\b.txt\r\n");
    HistoryIndex index;
    index.Update(path_);
    Write("39119.5 C:\\b.txt\r\n");
    EXPECT_EQ(index.Update(path_), HistoryIndex::Refresh::Rebuilt);
    EXPECT_EQ(Paths(index), (std::vector<std::string>{"C:\\b.txt"}));
}

TEST_F(HistoryIndexFile, AnUnterminatedLastLineIsReadAgainWhenItGrows) {
    Write("39119.5 C:\\a.txt\r\n39119.5 C:\\long");
    HistoryIndex index;
    index.Update(path_);
    EXPECT_EQ(Paths(index), (std::vector<std::string>{"C:\\a.txt", "C:\\long"}));
    Write("er name.txt\r\n39120.5 C:\\c.txt", std::ios::app);
    EXPECT_EQ(index.Update(path_), HistoryIndex::Refresh::Appended);
    EXPECT_EQ(Paths(index), (std::vector<std::string>{"C:\\a.txt", "C:\\longer name.txt", "C:\\c.txt"}));
}

TEST_F(HistoryIndexFile, JoinsLinesCutByItsReadBlocks) {
    std::string text;
    for (int i = 0; i < 90000; ++i) text += "39119.541667 C:\\folder\\sub folder " + std::to_string(i % 977) + "\\document.txt\r\n";
    Write(text);
    HistoryIndex index;
    ASSERT_EQ(index.Update(path_), HistoryIndex::Refresh::Rebuilt);
    EXPECT_EQ(index.Lines().size(), 90000u);
    EXPECT_EQ(index.DocumentCount(), 977u);
    EXPECT_EQ(index.Document(index.Lines()[89999].document).path, "C:\\folder\\sub folder 115\\document.txt");
}

TEST_F(HistoryIndexFile, ALeadingByteOrderMarkBelongsToNoLine) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> paths;
    };
    const Case cases[] = {
        {"mark before the first line", "\xEF\xBB\xBF" "39119.5 C:\\a.txt\r\n39120.5 C:\\b.txt\r\n", {"C:\\a.txt", "C:\\b.txt"}},
        {"mark alone", "\xEF\xBB\xBF", {}},
        {"mark on a later line is part of it", "39119.5 C:\\a.txt\r\n\xEF\xBB\xBF" "39120.5 C:\\b.txt\r\n", {"C:\\a.txt"}},
        {"an incomplete mark is kept", "\xEF\xBB" "39119.5 C:\\a.txt\r\n", {}},
    };
    for (const Case& c : cases) {
        Write(c.text);
        HistoryIndex fromFile;
        fromFile.Update(path_);
        EXPECT_EQ(Paths(fromFile), c.paths) << c.name;
        HistoryIndex fromText;
        fromText.AddText(c.text);
        EXPECT_EQ(Paths(fromText), c.paths) << c.name;
    }
}

TEST_F(HistoryIndexFile, AnAppendAfterAByteOrderMarkReadsOnlyTheNewLine) {
    Write("\xEF\xBB\xBF" "39119.5 C:\\a.txt\r\n");
    HistoryIndex index;
    index.Update(path_);
    Write("39120.5 C:\\b.txt\r\n", std::ios::app);
    EXPECT_EQ(index.Update(path_), HistoryIndex::Refresh::Appended);
    EXPECT_EQ(Paths(index), (std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}));
}

TEST_F(HistoryIndexFile, AMissingFileFailsAndEmptiesTheIndex) {
    Write("39119.5 C:\\a.txt\r\n");
    HistoryIndex index;
    index.Update(path_);
    fs::remove(path_);
    EXPECT_EQ(index.Update(path_), HistoryIndex::Refresh::Failed);
    EXPECT_TRUE(index.Lines().empty());
}

}  // namespace
