// The document list model with a stand-in file system: the view settings it is handed, what each
// pass reports, cells, sorting and the rows' types.
#include "tracking/document_list_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

namespace fs = std::filesystem;

namespace {

using Result = DocumentListModel::PassResult;

std::string Line(int32_t day, const std::string& path) { return std::to_string(day) + ".500000 " + path + "\r\n"; }

class DocumentListModelTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("kestrum-model-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                               "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    void History(const std::string& text) {
        std::ofstream(folder_ / "Kestrum.dat", std::ios::binary | std::ios::trunc) << text;
        ASSERT_TRUE(model_.Attach((folder_ / "Kestrum.exe").string()));
    }
    std::string HistoryText() const {
        std::ifstream in(folder_ / "Kestrum.dat", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::string> Column(int column) {
        std::vector<std::string> cells;
        for (size_t row = 0; row < model_.RowCount(); ++row) cells.push_back(model_.CellText(row, column));
        return cells;
    }

    // The stand-in file system's answers, as the worker would give them.
    std::vector<StatusAnswer> Check(const std::vector<StatusRequest>& requests) {
        std::vector<StatusAnswer> answers;
        for (const StatusRequest& request : requests) {
            ++asked_[request.path];
            const auto found = files_.find(request.path);
            answers.push_back({request.document, found == files_.end() ? FileStatus{} : found->second, request.generation});
        }
        return answers;
    }
    // Answers every question the model raised so far; the old position of each row kept.
    std::vector<int> Answer() {
        std::vector<int> newToOld;
        model_.DropVanishedRows(model_.ApplyStatusAnswers(Check(model_.TakeStatusQuestions().Unpack())).vanished, newToOld);
        return newToOld;
    }
    // Learns the status of every row's document, as drawing all rows would.
    void LearnRows() {
        for (size_t row = 0; row < model_.RowCount(); ++row) model_.RowStatusKnown(row);
        Answer();
    }
    void FillKnown(const DateFilter& dates, int tab, const ViewSettings& view) {
        ASSERT_EQ(model_.Fill(dates, tab, view, false), Result::Done);
        Answer();
        ASSERT_EQ(model_.Fill(dates, tab, view, false), Result::Done);
        LearnRows();
    }

    // Documents that exist, by path: size and times.
    std::map<std::string, FileStatus> files_;
    std::map<std::string, int> asked_;
    fs::path folder_;
    DocumentListModel model_{nullptr, [this](const std::vector<StatusRequest>& requests) { return Check(requests); },
                             DateFormats{[](int32_t day) { return "day " + std::to_string(day); },
                                         [](uint64_t utc) { return "time " + std::to_string(utc); }}};
};

TEST_F(DocumentListModelTest, AReadAheadServesTheFirstPassAndMissesNoChangeMadeMeanwhile) {
    const struct {
        const char* name;
        std::string written;  // after the read ahead started; empty: nothing
        std::vector<std::string> names;
    } cases[] = {
        {"as read ahead", "", {"a.txt", "b.pdf"}},
        {"grown meanwhile", Line(45000, "C:\\a.txt") + Line(45001, "C:\\b.pdf") + Line(45002, "C:\\c.doc"),
         {"a.txt", "b.pdf", "c.doc"}},
        {"rewritten meanwhile", Line(45003, "C:\\d.txt"), {"d.txt"}},
        {"rewritten with as many documents", Line(45003, "C:\\z.txt") + Line(45004, "C:\\c.doc"), {"c.doc", "z.txt"}},
        {"emptied meanwhile", " ", {}},
    };
    for (const auto& c : cases) {
        History(Line(45000, "C:\\a.txt") + Line(45001, "C:\\b.pdf"));
        DocumentListModel model(nullptr, nullptr, DateFormats{[](int32_t) { return std::string(); }, nullptr});
        ASSERT_TRUE(model.Attach((folder_ / "Kestrum.exe").string()));
        model.ReadAhead(kColumnName);
        // Written once the read ahead is done with the file, as a recorded opening would be.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!c.written.empty()) std::ofstream(folder_ / "Kestrum.dat", std::ios::binary | std::ios::trunc) << c.written;
        ASSERT_EQ(model.Fill(DateFilter::All(), -1, {}, false), Result::Done) << c.name;
        // Sorted by the ranks the read ahead worked out, where they still hold.
        model.Sort(kColumnName, true);
        std::vector<std::string> names;
        for (size_t row = 0; row < model.RowCount(); ++row) names.push_back(model.CellText(row, kColumnName));
        EXPECT_EQ(names, c.names) << c.name;
    }
}

TEST_F(DocumentListModelTest, NothingIsReadBeforeAttaching) {
    EXPECT_FALSE(model_.Attach(""));
    EXPECT_EQ(model_.BuildTabs(DateFilter::All(), true), Result::NoHistory);
    EXPECT_EQ(model_.Fill(DateFilter::All(), -1, {}, false), Result::NoHistory);
}

TEST_F(DocumentListModelTest, AMissingHistoryIsAReadFailureAndLeavesNoRows) {
    History(Line(45000, "C:\\a.txt"));
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, {}, false), Result::Done);
    ASSERT_EQ(model_.RowCount(), 1u);
    fs::remove(folder_ / "Kestrum.dat");
    EXPECT_EQ(model_.Fill(DateFilter::All(), -1, {}, false), Result::ReadFailed);
    EXPECT_EQ(model_.RowCount(), 0u);
    EXPECT_EQ(model_.BuildTabs(DateFilter::All(), true), Result::ReadFailed);
    EXPECT_EQ(model_.TabCount(), 0u);
}

TEST_F(DocumentListModelTest, TheViewSettingsItIsHandedDecideTheRows) {
    files_["C:\\a.txt"] = files_["C:\\A.TXT"] = {true, 10, 1, 2};
    History(Line(45000, "C:\\a.txt") + Line(45001, "C:\\gone.txt") + Line(45002, "C:\\A.TXT"));
    const struct {
        ViewSettings view;
        std::vector<std::string> names;
    } cases[] = {
        {{true, true}, {"a.txt", "gone.txt", "A.TXT"}},
        {{false, true}, {"a.txt", "gone.txt"}},
        {{true, false}, {"a.txt", "A.TXT"}},
        {{false, false}, {"a.txt"}},
    };
    for (const auto& c : cases) {
        FillKnown(DateFilter::All(), -1, c.view);
        EXPECT_EQ(Column(kColumnName), c.names) << c.view.showDuplicates << c.view.showDeleted;
    }
}

TEST_F(DocumentListModelTest, TabsFollowTheFirstSpellingAndTheExistenceSetting) {
    files_["C:\\b.PDF"] = {true, 1, 1, 1};
    History(Line(45000, "C:\\gone.txt") + Line(45000, "C:\\b.PDF") + Line(45001, "C:\\c.Txt") + Line(45001, "C:\\noext"));
    ASSERT_EQ(model_.BuildTabs(DateFilter::All(), true), Result::Done);
    std::string extension;
    ASSERT_EQ(model_.TabCount(), 2u);
    EXPECT_TRUE(model_.TabExtension(0, extension));
    EXPECT_EQ(extension, "txt");
    EXPECT_FALSE(model_.TabExtension(2, extension));
    EXPECT_EQ(extension, "");
    ASSERT_EQ(model_.BuildTabs(DateFilter::Day(45001), true), Result::Done);
    ASSERT_TRUE(model_.TabExtension(0, extension));
    EXPECT_EQ(extension, "Txt") << "the first line that passes spells the tab";
    ASSERT_EQ(model_.BuildTabs(DateFilter::All(), false), Result::Done);
    EXPECT_EQ(model_.TabCount(), 2u) << "documents not known yet count as existing";
    Answer();
    ASSERT_EQ(model_.BuildTabs(DateFilter::All(), false), Result::Done);
    ASSERT_EQ(model_.TabCount(), 1u);
    ASSERT_TRUE(model_.TabExtension(0, extension));
    EXPECT_EQ(extension, "PDF");

    // A tab index beyond the tabs shows nothing: neither everything nor the documents without
    // an extension.
    ASSERT_EQ(model_.Fill(DateFilter::All(), 5, {}, false), Result::Done);
    EXPECT_EQ(model_.RowCount(), 0u);
    ASSERT_EQ(model_.Fill(DateFilter::All(), 0, {}, false), Result::Done);
    EXPECT_EQ(Column(kColumnName), (std::vector<std::string>{"b.PDF"}));
}

TEST_F(DocumentListModelTest, CellsAndRowFactsOfExistingAndMissingDocuments) {
    files_["C:\\docs\\a.txt"] = {true, 2048, 111, 222};
    History(Line(45000, "C:\\docs\\a.txt") + Line(45001, "C:\\docs\\gone.Doc") + Line(45002, "C:\\docs\\README"));
    FillKnown(DateFilter::All(), -1, {});
    const struct {
        size_t row;
        std::vector<std::string> cells;
        bool exists;
        const char* extension;
    } cases[] = {
        {0, {"a.txt", "C:\\docs\\", "2", "day 45000", "time 111", "time 222"}, true, "txt"},
        {1, {"gone.Doc", "C:\\docs\\", "", "day 45001", "", ""}, false, "Doc"},
        {2, {"README", "C:\\docs\\", "", "day 45002", "", ""}, false, ""},
    };
    for (const auto& c : cases) {
        for (int column = 0; column < kColumnCount; ++column) {
            EXPECT_EQ(model_.CellText(c.row, column), c.cells[static_cast<size_t>(column)]) << c.row << "/" << column;
        }
        EXPECT_EQ(model_.RowExists(c.row), c.exists) << c.row;
        EXPECT_EQ(model_.RowExtension(c.row), c.extension) << c.row;
        EXPECT_EQ(model_.RowPath(c.row), model_.CellText(c.row, kColumnFolder) + model_.CellText(c.row, kColumnName));
    }
    EXPECT_EQ(model_.IdentityCount(), 3u);
}

TEST_F(DocumentListModelTest, SortsEveryColumnAndKeepsEqualRowsInHistoryOrder) {
    // File times after 1970, where a missing document's dates sort.
    constexpr uint64_t t = 130'000'000'000'000'000ull;
    files_["C:\\b\\ten.txt"] = {true, 10 * 1024, t + 30, t + 10};
    files_["C:\\a\\nine.txt"] = {true, 9 * 1024, t + 20, t + 30};
    files_["C:\\c\\Alpha.txt"] = {true, 1, t + 10, t + 20};
    History(Line(45003, "C:\\b\\ten.txt") + Line(45001, "C:\\a\\nine.txt") + Line(45002, "C:\\d\\gone.txt") +
            Line(45001, "C:\\c\\Alpha.txt"));
    FillKnown(DateFilter::All(), -1, {});
    const struct {
        int column;
        bool ascending;
        std::vector<std::string> names;
    } cases[] = {
        {kColumnName, true, {"Alpha.txt", "gone.txt", "nine.txt", "ten.txt"}},
        {kColumnName, false, {"ten.txt", "nine.txt", "gone.txt", "Alpha.txt"}},
        {kColumnFolder, true, {"nine.txt", "ten.txt", "Alpha.txt", "gone.txt"}},
        {kColumnSize, true, {"gone.txt", "Alpha.txt", "nine.txt", "ten.txt"}},
        {kColumnSize, false, {"ten.txt", "nine.txt", "Alpha.txt", "gone.txt"}},
        {kColumnAccessed, true, {"nine.txt", "Alpha.txt", "gone.txt", "ten.txt"}},
        {kColumnCreated, true, {"gone.txt", "Alpha.txt", "nine.txt", "ten.txt"}},
        {kColumnModified, false, {"nine.txt", "Alpha.txt", "ten.txt", "gone.txt"}},
    };
    for (const auto& c : cases) {
        model_.Sort(c.column, c.ascending);
        EXPECT_EQ(Column(kColumnName), c.names) << c.column << (c.ascending ? " up" : " down");
    }

    // The order handed back maps each new position to the old one.
    model_.Sort(kColumnName, true);
    std::vector<int> newToOld;
    model_.Sort(kColumnName, false, &newToOld);
    EXPECT_EQ(newToOld, (std::vector<int>{3, 2, 1, 0}));
    model_.Sort(kColumnCount, true, &newToOld);
    EXPECT_EQ(Column(kColumnName), (std::vector<std::string>{"ten.txt", "nine.txt", "gone.txt", "Alpha.txt"}))
        << "a column that does not exist changes nothing";
}

TEST_F(DocumentListModelTest, SortsNamesByTheirWholeTextWhereverTheyDiffer) {
    // Names that differ past their first bytes, a name that begins another, one that is equal
    // without regard to case (it keeps its history order) and one that starts beyond ASCII.
    History(Line(45000, "C:\\x\\report for the year 2024.txt") + Line(45000, "C:\\x\\\xC3\xA9" "clair.txt") +
            Line(45000, "C:\\y\\REPORT FOR THE YEAR 2023.txt") + Line(45000, "C:\\x\\report f.txt") +
            Line(45000, "C:\\x\\report for the year 2024 final.txt") + Line(45000, "C:\\x\\report") +
            Line(45000, "C:\\x\\report for the year 2023.txt"));
    FillKnown(DateFilter::All(), -1, {});
    model_.Sort(kColumnName, true);
    EXPECT_EQ(Column(kColumnName), (std::vector<std::string>{"report", "report f.txt", "REPORT FOR THE YEAR 2023.txt",
                                                             "report for the year 2023.txt",
                                                             "report for the year 2024 final.txt",
                                                             "report for the year 2024.txt", "\xC3\xA9" "clair.txt"}));
}

TEST_F(DocumentListModelTest, APurgeRemovesTheShownLinesAndReportsAFailedRewrite) {
    History(Line(45000, "C:\\a.txt") + "junk\r\n" + Line(45001, "C:\\b.pdf") + Line(45001, "C:\\c.txt"));
    ASSERT_EQ(model_.BuildTabs(DateFilter::Day(45001), true), Result::Done);
    ASSERT_EQ(model_.Fill(DateFilter::Day(45001), -1, {}, true), Result::Done);
    EXPECT_EQ(HistoryText(), Line(45000, "C:\\a.txt"));

    // A folder where the rewrite's new file should go makes the rewrite fail; the history stays.
    fs::create_directories(folder_ / "Kestrum.dat.new" / "blocker");
    EXPECT_EQ(model_.Fill(DateFilter::All(), -1, {}, true), Result::SaveFailed);
    EXPECT_EQ(HistoryText(), Line(45000, "C:\\a.txt"));
}

TEST_F(DocumentListModelTest, AnUnknownStatusShowsTheRowUntilItsAnswerRemovesIt) {
    files_["C:\\a.txt"] = {true, 4096, 1, 2};
    History(Line(45000, "C:\\a.txt") + Line(45001, "C:\\gone.txt") + Line(45002, "C:\\b.txt") + Line(45003, "C:\\a.txt"));
    const ViewSettings hideDeleted{true, false};
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, hideDeleted, false), Result::Done);
    ASSERT_EQ(model_.RowCount(), 4u);
    EXPECT_FALSE(model_.RowStatusKnown(0));
    EXPECT_TRUE(model_.RowExists(1)) << "not known yet counts as existing";
    EXPECT_EQ(model_.CellText(0, kColumnSize), "");
    EXPECT_EQ(model_.StatusesOutstanding(), 0u) << "nothing is outstanding before it is taken";

    const std::vector<StatusRequest> requests = model_.TakeStatusQuestions().Unpack();
    EXPECT_EQ(requests.size(), 3u) << "each document once, however many rows and cells asked";
    EXPECT_EQ(model_.StatusesOutstanding(), 3u);
    EXPECT_TRUE(model_.TakeStatusQuestions().Unpack().empty()) << "an asked document is not asked again";

    const FileStatusBoard::Changes changes = model_.ApplyStatusAnswers(Check(requests));
    EXPECT_EQ(model_.RowCount(), 4u) << "rows leave only when their owner says so";
    std::vector<int> newToOld;
    EXPECT_TRUE(model_.DropVanishedRows(changes.vanished, newToOld));
    EXPECT_EQ(newToOld, (std::vector<int>{0, 3})) << "the rows kept, by their old positions";
    EXPECT_EQ(Column(kColumnName), (std::vector<std::string>{"a.txt", "a.txt"}));
    EXPECT_EQ(model_.CellText(0, kColumnSize), "4");
    EXPECT_EQ(model_.StatusesOutstanding(), 0u);

    EXPECT_TRUE(model_.ApplyStatusAnswers(Check(requests)).vanished.empty()) << "an answer nobody waits for changes nothing";
    EXPECT_FALSE(model_.DropVanishedRows(changes.vanished, newToOld)) << "those rows left already";

    // With deleted documents shown, a missing document's answer keeps its row.
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, {}, false), Result::Done);
    EXPECT_EQ(model_.RowCount(), 4u);
    EXPECT_FALSE(model_.RowExists(1));
}

TEST_F(DocumentListModelTest, StatusesAreKeptUntilDoubtedAndDroppedWhenTheHistoryIsRenumbered) {
    files_["C:\\a.txt"] = {true, 1, 1, 1};
    History(Line(45000, "C:\\a.txt") + Line(45001, "C:\\gone.txt"));
    FillKnown(DateFilter::All(), -1, {});
    FillKnown(DateFilter::All(), -1, {});
    EXPECT_EQ(asked_["C:\\a.txt"], 1);
    EXPECT_EQ(asked_["C:\\gone.txt"], 1);

    // A doubted status is still shown while it is asked again.
    model_.DoubtFileStatus();
    files_.erase("C:\\a.txt");
    EXPECT_TRUE(model_.RowExists(0));
    EXPECT_EQ(model_.CellText(0, kColumnSize), "1");
    LearnRows();
    EXPECT_EQ(asked_["C:\\a.txt"], 2);
    EXPECT_FALSE(model_.RowExists(0));

    // An answer to a question asked before the history was rewritten names another document.
    files_["C:\\a.txt"] = {true, 1, 1, 1};
    model_.DoubtFileStatus();
    model_.RowStatusKnown(0);
    const std::vector<StatusRequest> stale = model_.TakeStatusQuestions().Unpack();
    ASSERT_EQ(stale.size(), 1u);
    History(Line(45000, "C:\\gone.txt") + Line(45001, "C:\\a.txt"));
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, {}, false), Result::Done);
    model_.ApplyStatusAnswers(Check(stale));
    EXPECT_FALSE(model_.RowStatusKnown(0));
    EXPECT_EQ(model_.StatusesOutstanding(), 0u);
}

TEST_F(DocumentListModelTest, ACommandsDocumentsAreCheckedAtOnceInAnySpelling) {
    files_["C:\\a.txt"] = {true, 1, 1, 1};
    History(Line(45000, "C:\\a.txt") + Line(45001, "c:\\A.TXT") + Line(45002, "C:\\b.txt"));
    FillKnown(DateFilter::All(), -1, {});
    files_.erase("C:\\a.txt");
    model_.RecheckNow({"C:\\A.txt", "C:\\never-recorded.txt"});
    EXPECT_FALSE(model_.RowExists(0));
    EXPECT_FALSE(model_.RowExists(1));
    EXPECT_EQ(asked_["C:\\b.txt"], 1) << "documents the command did not touch are not asked";
    EXPECT_EQ(asked_.count("C:\\never-recorded.txt"), 0u);
}

TEST_F(DocumentListModelTest, AnswersTouchTheRowsOfTheirDocumentsOnly) {
    History(Line(45000, "C:\\a.txt") + Line(45001, "C:\\b.txt") + Line(45002, "C:\\a.txt") + Line(45003, "C:\\c.txt"));
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, {}, false), Result::Done);
    LearnRows();
    const std::vector<StatusAnswer> aboutA = {{0, {}, 0}}, aboutB = {{1, {}, 0}};  // by order of first line
    const struct {
        const std::vector<StatusAnswer>* answers;
        size_t first, count;
        std::vector<size_t> rows;
    } cases[] = {{&aboutB, 0, 1, {}},  {&aboutB, 0, 2, {1}},   {&aboutB, 1, 1, {1}},  {&aboutB, 2, 2, {}},
                 {&aboutB, 3, 10, {}}, {&aboutB, 9, 10, {}}, {&aboutA, 0, 4, {0, 2}}, {&aboutA, 1, 1, {}}};
    for (const auto& c : cases) {
        EXPECT_EQ(model_.RowsAnswered(*c.answers, c.first, c.count), c.rows) << c.first << "+" << c.count;
    }
}

TEST_F(DocumentListModelTest, AHistoryReplacedUnderTheRowsLeavesNoRowPointingIntoItsOldLines) {
    History(Line(45000, "C:\\a.txt") + Line(45001, "C:\\b.txt") + Line(45002, "C:\\c.txt"));
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, {}, false), Result::Done);
    ASSERT_EQ(model_.RowCount(), 3u);
    History(Line(45003, "C:\\d.txt"));
    model_.RecentDocuments(45000, 45003);  // the popup reads the new history
    EXPECT_EQ(model_.RowCount(), 0u);
}

TEST_F(DocumentListModelTest, RecentDocumentsLearnTheirStatusesAtOnce) {
    files_["C:\\new.txt"] = {true, 1, 1, 1};
    files_["C:\\old.txt"] = {true, 1, 1, 1};
    History(Line(45000, "C:\\old.txt") + Line(45005, "C:\\gone.txt") + Line(45006, "C:\\new.txt") +
            Line(45006, "C:\\NEW.txt"));
    const auto recent = model_.RecentDocuments(45004, 45006);
    ASSERT_EQ(recent.size(), 1u);
    EXPECT_EQ(recent[0].path, "C:\\new.txt");
    EXPECT_EQ(asked_.count("C:\\old.txt"), 0u) << "documents of other days are not asked";
    EXPECT_EQ(model_.RecentDocuments(45004, 45006).size(), 1u);
    EXPECT_EQ(asked_["C:\\gone.txt"], 1) << "known statuses are not asked again";
}

}  // namespace
