// The document list model as the program wires it: real files, the system's file status and date formats.
#include "tracking/system_document_list_model.h"

#include <gtest/gtest.h>

#include "text/ole_date.h"
#include "wine_test_support.h"

using namespace testsupport;

namespace {

std::string Line(int32_t day, const std::string& path) { return std::to_string(day) + ".500000 " + path + "\r\n"; }

class DocumentListModelTest : public testing::Test {
protected:
    static constexpr auto kDone = DocumentListModel::PassResult::Done;

    void SetUp() override { today_ = TodayDayNumber(); }

    std::string Doc(const std::string& name, size_t bytes) {
        const std::string path = documents_.Path() + name;
        WriteFile(path, std::string(bytes, 'x'));
        return path;
    }
    void History(const std::string& text) { WriteFile(program_.Path() + "Kestrum.dat", text); }
    void Attach() { ASSERT_TRUE(model_.Attach(program_.Path() + "Kestrum.exe")); }
    // Learns every row's status from the file system, as the window's worker would.
    void LearnStatuses() {
        for (size_t row = 0; row < model_.RowCount(); ++row) model_.RowStatusKnown(row);
        model_.ApplyStatusAnswers(SystemStatusCheck()(model_.TakeStatusQuestions().Unpack()));
    }
    std::vector<std::string> Column(int column) {
        std::vector<std::string> cells;
        for (size_t row = 0; row < model_.RowCount(); ++row) cells.push_back(model_.CellText(row, column));
        return cells;
    }

    ScratchFolder program_{"kestrum-model"};
    ScratchFolder documents_{"kestrum-model-docs"};
    DocumentListModel model_ = MakeSystemDocumentListModel();
    ViewSettings view_;
    int32_t today_ = 0;
};

TEST_F(DocumentListModelTest, AttachCreatesAnEmptyHistoryWithNoTabsAndNoRows) {
    Attach();
    EXPECT_TRUE(FileExists(program_.Path() + "Kestrum.dat"));
    EXPECT_EQ(model_.BuildTabs(DateFilter::All(), true), kDone);
    EXPECT_EQ(model_.Fill(DateFilter::All(), -1, view_, false), kDone);
    EXPECT_EQ(model_.TabCount(), 0u);
    EXPECT_EQ(model_.RowCount(), 0u);
}

TEST_F(DocumentListModelTest, TabsAndTheirRows) {
    History(Line(today_, Doc("a.txt", 1)) + Line(today_, Doc("b.TXT", 1)) + Line(today_, Doc("c", 1)));
    Attach();
    ASSERT_EQ(model_.BuildTabs(DateFilter::All(), true), kDone);
    ASSERT_EQ(model_.TabCount(), 1u) << "extensions differing in case share a tab; none gets no tab";
    std::string extension;
    EXPECT_TRUE(model_.TabExtension(0, extension));
    EXPECT_EQ(extension, "txt");
    EXPECT_FALSE(model_.TabExtension(1, extension));
    EXPECT_TRUE(extension.empty());
    ASSERT_EQ(model_.Fill(DateFilter::All(), 0, view_, false), kDone);
    EXPECT_EQ(model_.RowCount(), 2u);
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, view_, false), kDone);
    EXPECT_EQ(model_.RowCount(), 3u);
}

TEST_F(DocumentListModelTest, CellsOfExistingAndMissingDocuments) {
    const std::string sized[] = {Doc("zero.txt", 0), Doc("one.txt", 1), Doc("k.txt", 1024), Doc("almost.txt", 2047),
                                 Doc("two.txt", 2048)};
    const std::string gone = documents_.Path() + "gone folder\\gone.txt";
    std::string text;
    for (const std::string& path : sized) text += Line(today_, path);
    History(text + Line(today_ - 1, gone));
    Attach();
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, view_, false), kDone);
    LearnStatuses();
    EXPECT_EQ(Column(kColumnSize), (std::vector<std::string>{"0", "1", "1", "1", "2", ""}));
    EXPECT_EQ(model_.CellText(5, kColumnName), "gone.txt");
    EXPECT_EQ(model_.CellText(5, kColumnFolder), documents_.Path() + "gone folder\\");
    EXPECT_EQ(model_.CellText(5, kColumnFolder) + model_.CellText(5, kColumnName), gone);
    EXPECT_FALSE(model_.CellText(5, kColumnAccessed).empty());
    EXPECT_EQ(model_.CellText(5, kColumnCreated), "");
    EXPECT_EQ(model_.CellText(5, kColumnModified), "");
    EXPECT_FALSE(model_.CellText(0, kColumnModified).empty());
    EXPECT_FALSE(model_.RowExists(5));

    view_.showDeleted = false;
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, view_, false), kDone);
    EXPECT_EQ(model_.RowCount(), 5u) << "statuses are kept";
}

TEST_F(DocumentListModelTest, DuplicatesSettingOnASingleDay) {
    const std::string a = Doc("a.txt", 1);
    History(Line(today_, a) + Line(today_, a) + Line(today_, a) + Line(today_ - 1, a));
    Attach();
    ASSERT_EQ(model_.Fill(DateFilter::Day(today_), -1, view_, false), kDone);
    EXPECT_EQ(model_.RowCount(), 3u);
    view_.showDuplicates = false;
    ASSERT_EQ(model_.Fill(DateFilter::Day(today_), -1, view_, false), kDone);
    EXPECT_EQ(model_.RowCount(), 1u);
}

TEST_F(DocumentListModelTest, SortsNumbersAsNumbersAndMissingDatesAtTheOldEnd) {
    History(Line(today_, Doc("ten.txt", 10 * 1024)) + Line(today_, Doc("nine.txt", 9 * 1024)) +
            Line(today_, documents_.Path() + "gone.txt") + Line(today_, Doc("Alpha.txt", 1)));
    Attach();
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, view_, false), kDone);
    LearnStatuses();
    model_.Sort(kColumnSize, true);
    EXPECT_EQ(Column(kColumnName), (std::vector<std::string>{"gone.txt", "Alpha.txt", "nine.txt", "ten.txt"}));
    model_.Sort(kColumnSize, false);
    EXPECT_EQ(Column(kColumnName), (std::vector<std::string>{"ten.txt", "nine.txt", "Alpha.txt", "gone.txt"}));
    model_.Sort(kColumnModified, true);
    EXPECT_EQ(model_.CellText(0, kColumnName), "gone.txt");
    model_.Sort(kColumnName, true);
    EXPECT_EQ(Column(kColumnName), (std::vector<std::string>{"Alpha.txt", "gone.txt", "nine.txt", "ten.txt"}));
}

TEST_F(DocumentListModelTest, AnAppendIsSeenByTheNextFill) {
    const std::string a = Doc("a.txt", 1);
    History(Line(today_, a));
    Attach();
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, view_, false), kDone);
    ASSERT_TRUE(model_.History().Append(Line(today_, Doc("b.pdf", 1))));
    ASSERT_EQ(model_.BuildTabs(DateFilter::All(), true), kDone);
    EXPECT_EQ(model_.TabCount(), 2u);
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, view_, false), kDone);
    EXPECT_EQ(Column(kColumnName), (std::vector<std::string>{"a.txt", "b.pdf"}));
}

TEST_F(DocumentListModelTest, ClearingRemovesExactlyTheShownLines) {
    const std::string a = Doc("a.txt", 1), b = Doc("b.pdf", 1), c = Doc("c.txt", 1);
    History(Line(today_ - 3, a) + Line(today_, a) + "junk line here\r\n" + Line(today_, b) + Line(today_, c) +
            Line(today_, a));
    Attach();
    ASSERT_EQ(model_.BuildTabs(DateFilter::Day(today_), true), kDone);
    view_.showDuplicates = false;
    ASSERT_EQ(model_.Fill(DateFilter::Day(today_), 0, view_, true), kDone);  // the "txt" tab
    EXPECT_EQ(ReadFile(program_.Path() + "Kestrum.dat"), Line(today_ - 3, a) + Line(today_, b) + Line(today_, a));
    view_.showDuplicates = true;
    ASSERT_EQ(model_.Fill(DateFilter::All(), -1, view_, false), kDone);
    EXPECT_EQ(model_.RowCount(), 3u) << "the purged file is read again";
}

TEST_F(DocumentListModelTest, AnUnreadableHistoryIsReported) {
    Attach();
    ::DeleteFileA((program_.Path() + "Kestrum.dat").c_str());
    EXPECT_EQ(model_.Fill(DateFilter::All(), -1, view_, false), DocumentListModel::PassResult::ReadFailed);
    EXPECT_EQ(model_.BuildTabs(DateFilter::All(), true), DocumentListModel::PassResult::ReadFailed);
}

}  // namespace
