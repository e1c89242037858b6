// The parsed history kept between runs: a restored index must be the index a parse of the
// history as it is now would give, whatever happened to the history or the cache meanwhile.
#include "tracking/history_index.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

namespace fs = std::filesystem;

namespace {

// As the program keeps it: from a megabyte of history on.
constexpr uint64_t kWorthBytes = uint64_t{1} << 20;

// Lines enough to be worth a cache, over documents that recur in changing case, with and
// without extensions.
std::string LongHistory(int lines, int offset = 0) {
    std::string text;
    for (int i = offset; i < offset + lines; ++i) {
        const int document = (i * 7919) % 4001;
        std::string path = "C:\\Projects\\Folder " + std::to_string(document % 53) + "\\report " + std::to_string(document);
        if (document % 7 != 0) path += document % 3 == 0 ? ".DOCX" : ".docx";
        if (i % 5 == 0) path[0] = 'c';
        text += std::to_string(40000 + i / 100) + ".500000 " + path + "\r\n";
    }
    return text;
}

// Everything of an index a caller can see, in the index's own numbering.
void ExpectSameIndex(const HistoryIndex& actual, const HistoryIndex& expected, const std::string& what) {
    ASSERT_EQ(actual.Lines().size(), expected.Lines().size()) << what;
    ASSERT_EQ(actual.DocumentCount(), expected.DocumentCount()) << what;
    EXPECT_EQ(actual.IdentityCount(), expected.IdentityCount()) << what;
    for (size_t i = 0; i < actual.Lines().size(); ++i) {
        ASSERT_EQ(actual.Lines()[i].day, expected.Lines()[i].day) << what << ", line " << i;
        ASSERT_EQ(actual.Lines()[i].document, expected.Lines()[i].document) << what << ", line " << i;
    }
    for (uint32_t id = 0; id < actual.DocumentCount(); ++id) {
        const HistoryDocument& a = actual.Document(id);
        const HistoryDocument& b = expected.Document(id);
        ASSERT_EQ(a.path, b.path) << what;
        ASSERT_EQ(a.identity, b.identity) << what << ", " << a.path;
        ASSERT_EQ(a.extension, b.extension) << what << ", " << a.path;
        if (a.extension != HistoryIndex::kNoExtension) {
            ASSERT_EQ(actual.ExtensionText(a.extension), expected.ExtensionText(b.extension)) << what;
        }
    }
}

class HistoryIndexCache : public testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        const fs::path base = fs::temp_directory_path() / ("kestrum-cache-" + std::to_string(seed()));
        history_ = base.string() + ".dat";
        cache_ = base.string() + ".idx";
    }
    void TearDown() override {
        fs::remove(history_);
        fs::remove(cache_);
    }

    void Write(const std::string& text, std::ios::openmode mode = std::ios::trunc) {
        // A new last-write time for every change, even on coarse file systems.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::ofstream(history_, std::ios::binary | mode) << text;
    }

    // A run of the program: reads the history (from the cache when it can) and keeps it at
    // the end. Returns what the first update said.
    HistoryIndex::Refresh Run(HistoryIndex& index) {
        index.SetCachePath(cache_);
        const HistoryIndex::Refresh refresh = index.Update(history_);
        EXPECT_TRUE(index.SaveCacheIfStale(kWorthBytes));
        return refresh;
    }

    HistoryIndex Parsed() const {
        HistoryIndex index;
        index.Update(history_);
        return index;
    }

    std::string ReadCacheBytes() const {
        std::ifstream in(cache_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void WriteCacheBytes(const std::string& bytes) const { std::ofstream(cache_, std::ios::binary | std::ios::trunc) << bytes; }

    std::string history_;
    std::string cache_;
};

TEST_F(HistoryIndexCache, ARestoredIndexIsTheParsedOneAndGoesOnInterning) {
    Write(LongHistory(30000));
    HistoryIndex first;
    EXPECT_EQ(Run(first), HistoryIndex::Refresh::Rebuilt);
    ASSERT_TRUE(fs::exists(cache_)) << "a history of more than a megabyte is kept";
    EXPECT_EQ(first.CachedBytes(), fs::file_size(history_));

    HistoryIndex restored;
    restored.SetCachePath(cache_);
    EXPECT_EQ(restored.Update(history_), HistoryIndex::Refresh::Rebuilt) << "its numbers are new to the caller";
    EXPECT_EQ(restored.KeptLines(), 0u);
    EXPECT_EQ(restored.CachedBytes(), fs::file_size(history_));
    ExpectSameIndex(restored, Parsed(), "restored");
    EXPECT_EQ(restored.Update(history_), HistoryIndex::Refresh::Unchanged);

    // The restored tables find what they hold: a known path, the same path in capitals, a
    // known extension in another case, and a new one.
    Write("40400.5 C:\\Projects\\Folder 1\\report 54.docx\r\n40400.5 C:\\PROJECTS\\FOLDER 1\\REPORT 54.DOCX\r\n"
          "40400.5 C:\\new.Docx\r\n40400.5 C:\\new.pdf\r\n",
          std::ios::app);
    EXPECT_EQ(restored.Update(history_), HistoryIndex::Refresh::Appended);
    ExpectSameIndex(restored, Parsed(), "after an append");
    EXPECT_TRUE(restored.FindIdentity("c:\\projects\\folder 1\\report 54.docx"));
    EXPECT_NE(restored.FindExtension("PDF"), HistoryIndex::kNoExtension);
}

TEST_F(HistoryIndexCache, RanksWorkedOutBeforeExitAreKeptWhileNoDocumentComes) {
    Write(LongHistory(30000));
    HistoryIndex unranked;
    Run(unranked);
    const uintmax_t withoutRanks = fs::file_size(cache_);
    fs::remove(cache_);
    HistoryIndex first;
    first.SetCachePath(cache_);
    first.Update(history_);
    const std::vector<uint32_t> byName = first.TextRanks(PathPart::Name);
    ASSERT_TRUE(first.SaveCacheIfStale(kWorthBytes));
    EXPECT_EQ(fs::file_size(cache_), withoutRanks + byName.size() * sizeof(uint32_t)) << "only the ranks asked for";

    HistoryIndex restored;
    restored.SetCachePath(cache_);
    restored.Update(history_);
    ASSERT_GT(restored.CachedBytes(), 0u);
    EXPECT_EQ(restored.TextRanks(PathPart::Name), byName);
    HistoryIndex parsed = Parsed();
    EXPECT_EQ(restored.TextRanks(PathPart::Folder), parsed.TextRanks(PathPart::Folder)) << "not kept: worked out";

    // A new document ranks among the others, all of them ranked again.
    Write("40400.5 C:\\Projects\\report 0000.docx\r\n", std::ios::app);
    restored.Update(history_);
    parsed = Parsed();
    EXPECT_EQ(restored.TextRanks(PathPart::Name), parsed.TextRanks(PathPart::Name));
}

TEST_F(HistoryIndexCache, WhatChangedInTheHistoryIsReadAndNothingElse) {
    const std::string text = LongHistory(30000);
    struct Case {
        const char* name;
        std::string history;
        std::ios::openmode mode;
        bool cacheUsed;
    };
    const Case cases[] = {
        {"unchanged", "", std::ios::app, true},
        {"lines appended", LongHistory(500, 30000), std::ios::app, true},
        {"an unterminated line appended", "40400.5 C:\\half", std::ios::app, true},
        {"rewritten, the same length", "40000.500000 D:" + text.substr(15), std::ios::trunc, false},
        {"the same beginning, another end", text.substr(0, text.size() - 40) + "40400.5 C:\\other end.txt\r\n",
         std::ios::trunc, false},
        {"shorter", text.substr(0, text.size() / 2), std::ios::trunc, false},
        {"a short history replaced it", "40400.5 C:\\a.txt\r\n", std::ios::trunc, false},
    };
    for (const Case& c : cases) {
        Write(text);
        fs::remove(cache_);
        HistoryIndex writer;
        Run(writer);
        ASSERT_TRUE(fs::exists(cache_)) << c.name;
        Write(c.history, c.mode);

        HistoryIndex next;
        next.SetCachePath(cache_);
        EXPECT_EQ(next.Update(history_), HistoryIndex::Refresh::Rebuilt) << c.name;
        EXPECT_EQ(next.CachedBytes() > 0, c.cacheUsed) << c.name;
        ExpectSameIndex(next, Parsed(), c.name);
    }
}

TEST_F(HistoryIndexCache, ALineLeftOpenInTheCacheIsCompletedByTheAppend) {
    Write(LongHistory(30000) + "40400.5 C:\\long");
    HistoryIndex first;
    Run(first);
    Write("er name.txt\r\n40401.5 C:\\next.txt\r\n", std::ios::app);
    HistoryIndex next;
    next.SetCachePath(cache_);
    next.Update(history_);
    EXPECT_GT(next.CachedBytes(), 0u);
    // The line as it stood stays behind as a document no line names, as in a running program.
    const HistoryIndex parsed = Parsed();
    ASSERT_EQ(next.Lines().size(), parsed.Lines().size());
    for (size_t i = 0; i < parsed.Lines().size(); ++i) {
        ASSERT_EQ(next.Document(next.Lines()[i].document).path, parsed.Document(parsed.Lines()[i].document).path);
    }
    EXPECT_EQ(next.Document(next.Lines()[next.Lines().size() - 2].document).path, "C:\\longer name.txt");
}

TEST_F(HistoryIndexCache, ADamagedCacheIsIgnored) {
    Write(LongHistory(30000));
    HistoryIndex first;
    Run(first);
    const std::string good = ReadCacheBytes();
    ASSERT_GT(good.size(), 200u);
    struct Case {
        const char* name;
        std::string bytes;
    };
    auto flipped = [&](size_t at) {
        std::string bytes = good;
        bytes[at] = static_cast<char>(bytes[at] ^ 0x40);
        return bytes;
    };
    auto withCount = [&](size_t at, uint64_t value) {
        std::string bytes = good;
        std::memcpy(bytes.data() + at, &value, sizeof value);
        return bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"cut in the header", good.substr(0, 20)},
        {"cut in the lines", good.substr(0, good.size() / 3)},
        {"cut before the checksum", good.substr(0, good.size() - 4)},
        {"longer", good + "x"},
        {"another format", flipped(7)},
        {"a flipped byte in a line", flipped(good.size() / 4)},
        {"a flipped byte in a path", flipped(good.size() - 100)},
        {"a flipped checksum", flipped(good.size() - 1)},
        {"a line count beyond the file", withCount(40, uint64_t{1} << 60)},
        {"a path size beyond the file", withCount(64, uint64_t{1} << 40)},
        {"tables of another build", withCount(88, 12345)},
        {"a table beyond the file", withCount(96, uint64_t{1} << 31)},
        {"text", std::string(good.size(), 'a')},
    };
    const HistoryIndex parsed = Parsed();
    for (const Case& c : cases) {
        WriteCacheBytes(c.bytes);
        HistoryIndex index;
        index.SetCachePath(cache_);
        EXPECT_EQ(index.Update(history_), HistoryIndex::Refresh::Rebuilt) << c.name;
        EXPECT_EQ(index.CachedBytes(), 0u) << c.name;
        ExpectSameIndex(index, parsed, c.name);
    }
}

TEST_F(HistoryIndexCache, KeptWhenItSavesAReadAndOnlyThen) {
    Write("40400.5 C:\\a.txt\r\n");
    HistoryIndex short_;
    Run(short_);
    EXPECT_FALSE(fs::exists(cache_)) << "a short history is read at once";

    Write(LongHistory(30000));
    HistoryIndex index;
    Run(index);
    ASSERT_TRUE(fs::exists(cache_));
    const uintmax_t written = fs::file_size(cache_);

    // A few appended lines are read at the next start; a megabyte more is worth writing.
    const uintmax_t before = fs::file_size(history_);
    Write(LongHistory(100, 30000), std::ios::app);
    index.Update(history_);
    EXPECT_TRUE(index.SaveCacheIfStale(kWorthBytes));
    EXPECT_EQ(fs::file_size(cache_), written);
    EXPECT_EQ(index.CachedBytes(), before);
    Write(LongHistory(30000, 30100), std::ios::app);
    index.Update(history_);
    EXPECT_TRUE(index.SaveCacheIfStale(kWorthBytes));
    EXPECT_GT(fs::file_size(cache_), written);
    EXPECT_EQ(index.CachedBytes(), fs::file_size(history_));

    // Cleared down to a few lines: the cache goes.
    Write("40400.5 C:\\a.txt\r\n");
    index.Update(history_);
    EXPECT_TRUE(index.SaveCacheIfStale(kWorthBytes));
    EXPECT_FALSE(fs::exists(cache_));
}

TEST_F(HistoryIndexCache, AHistoryWithLegacyPathsIsNotKept) {
    Write(LongHistory(30000) + "40400.5 C:\\caf\xE9.txt\r\n");
    HistoryIndex index([](std::string_view bytes) { return "decoded " + std::to_string(bytes.size()); });
    Run(index);
    EXPECT_FALSE(fs::exists(cache_));
}

}  // namespace
