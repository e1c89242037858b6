// Which history lines become rows and which types get tabs, and what a purge leaves behind.
#include "tracking/history_view.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr int32_t kMonday = 46363;  // 7 December 2026

struct Fixture {
    explicit Fixture(const std::string& text, std::set<std::string> missing = {})
        : missing(std::move(missing)) {
        index.AddText(text);
    }
    DocumentExists Existence() {
        return [this](uint32_t document) {
            const std::string path(index.Document(document).path);
            ++asked[path];
            return !missing.count(path);
        };
    }
    std::vector<std::string> Rows(const DateFilter& dates, uint32_t extension, ViewSettings settings) {
        const DocumentExists existence = Existence();
        std::vector<std::string> rows;
        for (uint32_t line : SelectRows(index, dates, extension, settings, existence)) {
            rows.push_back(std::string(index.Document(index.Lines()[line].document).path) + "@" +
                           std::to_string(index.Lines()[line].day - kMonday));
        }
        return rows;
    }
    std::vector<std::string> Tabs(const DateFilter& dates, bool showDeleted) {
        const DocumentExists existence = Existence();
        std::vector<std::string> tabs;
        for (const TabType& tab : SelectTabs(index, dates, showDeleted, existence)) {
            tabs.push_back(std::string(ExtensionAsWritten(index.Document(tab.document).path)));
        }
        return tabs;
    }

    HistoryIndex index;
    std::set<std::string> missing;
    std::map<std::string, int> asked;
};

std::string Line(int dayOffset, const std::string& path) {
    return std::to_string(kMonday + dayOffset) + ".250000 " + path + "\r\n";
}

const ViewSettings kEverything{true, true};
const ViewSettings kOncePerDocument{false, true};
const ViewSettings kExistingOnly{true, false};

TEST(SelectRows, DuplicatesRuleOnASingleDay) {
    Fixture f(Line(0, "C:\\a.txt") + Line(0, "C:\\b.txt") + Line(0, "C:\\a.txt") + Line(0, "C:\\A.TXT") + Line(1, "C:\\a.txt"));
    EXPECT_EQ(f.Rows(DateFilter::Day(kMonday), kAllTypes, kEverything).size(), 4u);
    EXPECT_EQ(f.Rows(DateFilter::Day(kMonday), kAllTypes, kOncePerDocument),
              (std::vector<std::string>{"C:\\a.txt@0", "C:\\b.txt@0"}));
}

TEST(SelectRows, WithDuplicatesHiddenADocumentKeepsItsFirstPassingLine) {
    Fixture f(Line(-5, "C:\\a.txt") + Line(-1, "C:\\a.txt") + Line(0, "C:\\a.txt"));
    EXPECT_EQ(f.Rows(DateFilter::Range(kMonday - 2, kMonday), kAllTypes, kOncePerDocument),
              (std::vector<std::string>{"C:\\a.txt@-1"}));
}

TEST(SelectRows, DateFilters) {
    Fixture f(Line(-3, "C:\\a.txt") + Line(-2, "C:\\b.txt") + Line(-1, "C:\\c.txt") + Line(0, "C:\\d.txt"));
    EXPECT_EQ(f.Rows(DateFilter::All(), kAllTypes, kEverything).size(), 4u);
    EXPECT_EQ(f.Rows(DateFilter::Range(kMonday - 2, kMonday - 1), kAllTypes, kEverything),
              (std::vector<std::string>{"C:\\b.txt@-2", "C:\\c.txt@-1"}));
    EXPECT_EQ(f.Rows(DateFilter::Days({kMonday, kMonday - 3, kMonday}), kAllTypes, kEverything),
              (std::vector<std::string>{"C:\\a.txt@-3", "C:\\d.txt@0"}));
    EXPECT_TRUE(f.Rows(DateFilter::Days({}), kAllTypes, kEverything).empty());
}

TEST(SelectRows, TypeFilterComparesExtensionsWithoutCase) {
    Fixture f(Line(0, "C:\\a.txt") + Line(0, "C:\\b.TXT") + Line(0, "C:\\c.pdf") + Line(0, "C:\\noext"));
    EXPECT_EQ(f.Rows(DateFilter::All(), f.index.FindExtension("txt"), kEverything),
              (std::vector<std::string>{"C:\\a.txt@0", "C:\\b.TXT@0"}));
    EXPECT_EQ(f.Rows(DateFilter::All(), kAllTypes, kEverything).size(), 4u) << "no extension: listed under all types";
}

TEST(SelectRows, DeletedDocumentsAreAskedAboutOnlyWhenHidden) {
    Fixture f(Line(0, "C:\\gone.txt") + Line(0, "C:\\here.txt") + Line(1, "C:\\gone.txt") + Line(2, "C:\\gone.txt"),
              {"C:\\gone.txt"});
    EXPECT_EQ(f.Rows(DateFilter::All(), kAllTypes, kEverything).size(), 4u);
    EXPECT_TRUE(f.asked.empty()) << "showing deleted documents needs no file status";
    EXPECT_EQ(f.Rows(DateFilter::All(), kAllTypes, kExistingOnly), (std::vector<std::string>{"C:\\here.txt@0"}));
}

TEST(SelectTabs, OneTabPerTypeInOrderOfFirstPassingLine) {
    Fixture f(Line(-1, "C:\\old.doc") + Line(0, "C:\\a.TXT") + Line(0, "C:\\gone.pdf") + Line(0, "C:\\b.txt") +
                  Line(0, "C:\\noext") + Line(0, "C:\\c.doc"),
              {"C:\\gone.pdf"});
    EXPECT_EQ(f.Tabs(DateFilter::All(), true), (std::vector<std::string>{"doc", "TXT", "pdf"}));
    EXPECT_EQ(f.Tabs(DateFilter::Day(kMonday), true), (std::vector<std::string>{"TXT", "pdf", "doc"}));
    EXPECT_EQ(f.Tabs(DateFilter::Day(kMonday), false), (std::vector<std::string>{"TXT", "doc"}));
}

TEST(SelectTabs, ATabIsSpelledAsItsFirstPassingLineWritesIt) {
    Fixture f(Line(-1, "C:\\Lost Thesis.DOCX") + Line(0, "C:\\2024 plan.docx") + Line(0, "C:\\Notes.Docx"),
              {"C:\\Lost Thesis.DOCX"});
    EXPECT_EQ(f.Tabs(DateFilter::All(), true), (std::vector<std::string>{"DOCX"}));
    EXPECT_EQ(f.Tabs(DateFilter::All(), false), (std::vector<std::string>{"docx"}));
    EXPECT_EQ(f.Tabs(DateFilter::Day(kMonday), true), (std::vector<std::string>{"docx"}));
}

TEST(SelectTabs, AnEmptyHistoryHasNoTabsAndNoRows) {
    Fixture f("");
    EXPECT_TRUE(f.Tabs(DateFilter::All(), true).empty());
    EXPECT_TRUE(f.Rows(DateFilter::All(), kAllTypes, kEverything).empty());
}

class Purge : public testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("kestrum-purge-" + std::to_string(seed()));
        fs::create_directories(folder_);
        file_.Locate((folder_ / "Kestrum.exe").string());
    }
    void TearDown() override { fs::remove_all(folder_); }
    void Write(const std::string& text) { std::ofstream(folder_ / "Kestrum.dat", std::ios::binary) << text; }

    fs::path folder_;
    HistoryFile file_;
};

TEST_F(Purge, RemovesExactlyTheShownLinesAndDropsMalformedOnes) {
    const std::string text = Line(-1, "C:\\a.txt") + "garbage\r\n" + Line(0, "C:\\b.pdf") + Line(0, "C:\\c.txt") +
                             "39119.123 C:\\legacy caf\xE9.txt\n";
    Write(text);
    HistoryIndex index;
    index.AddText(text);
    const DocumentExists existence = [](uint32_t) { return true; };
    const auto shown = SelectRows(index, DateFilter::Day(kMonday), index.FindExtension("txt"), kEverything, existence);
    const auto kept = HistoryWithoutLines(file_, shown);
    ASSERT_TRUE(kept);
    EXPECT_EQ(*kept, Line(-1, "C:\\a.txt") + Line(0, "C:\\b.pdf") + "39119.123 C:\\legacy caf\xE9.txt\r\n");
}

TEST_F(Purge, WithDuplicatesHiddenLaterLinesOfADocumentStay) {
    const std::string text = Line(0, "C:\\a.txt") + Line(0, "C:\\a.txt") + Line(0, "C:\\b.txt") + Line(0, "C:\\A.txt");
    Write(text);
    HistoryIndex index;
    index.AddText(text);
    const DocumentExists existence = [](uint32_t) { return true; };
    const auto shown = SelectRows(index, DateFilter::All(), kAllTypes, kOncePerDocument, existence);
    EXPECT_EQ(*HistoryWithoutLines(file_, shown), Line(0, "C:\\a.txt") + Line(0, "C:\\A.txt"));
}

TEST_F(Purge, AnUnreadableFileGivesNothing) {
    EXPECT_FALSE(HistoryWithoutLines(HistoryFile{}, {}));
}

}  // namespace
