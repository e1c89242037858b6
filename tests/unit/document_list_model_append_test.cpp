// The model carried on over appended lines against a new model's full pass over the whole file:
// the same tabs, rows and order, and a full pass demanded whenever the last one cannot vouch.
#include "tracking/document_list_model.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

namespace fs = std::filesystem;

namespace {

using Result = DocumentListModel::PassResult;

std::string Line(int32_t day, const std::string& path) { return std::to_string(day) + ".500000 " + path + "\r\n"; }

struct Sorting {
    int column = -1;  // -1: history order
    bool ascending = true;
};

class ModelAppendTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("kestrum-append-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(folder_);
        constexpr uint64_t t = 130'000'000'000'000'000ull;
        files_["C:\\b\\ten.txt"] = {true, 10 * 1024, t + 30, t + 10};
        files_["C:\\a\\nine.txt"] = {true, 9 * 1024, t + 20, t + 30};
        files_["C:\\c\\Alpha.pdf"] = {true, 1, t + 10, t + 20};
        files_["C:\\a\\new.txt"] = {true, 9 * 1024, t + 20, t + 20};
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::unique_ptr<DocumentListModel> NewModel() {
        auto model = std::make_unique<DocumentListModel>(
            nullptr,
            [this](const std::vector<StatusRequest>& requests) { return Check(requests); },
            DateFormats{[](int32_t day) { return std::to_string(day); }, [](uint64_t utc) { return std::to_string(utc); }});
        EXPECT_TRUE(model->Attach((folder_ / "Kestrum.exe").string()));
        return model;
    }
    std::vector<StatusAnswer> Check(const std::vector<StatusRequest>& requests) const {
        std::vector<StatusAnswer> answers;
        for (const StatusRequest& request : requests) {
            const auto found = files_.find(request.path);
            answers.push_back({request.document, found == files_.end() ? FileStatus{} : found->second, request.generation});
        }
        return answers;
    }
    void Write(const std::string& text) { std::ofstream(folder_ / "Kestrum.dat", std::ios::binary | std::ios::trunc) << text; }
    void Append(const std::string& text) { std::ofstream(folder_ / "Kestrum.dat", std::ios::binary | std::ios::app) << text; }

    // A full pass once every status it asks for is known, as the window settles.
    void FullPass(DocumentListModel& model, const DateFilter& dates, int tab, const ViewSettings& view,
                  const Sorting& sorting) {
        for (int round = 0; round < 2; ++round) {
            ASSERT_EQ(model.BuildTabs(dates, view.showDeleted), Result::Done);
            ASSERT_EQ(model.Fill(dates, tab, view, false), Result::Done);
            if (sorting.column >= 0) model.Sort(sorting.column, sorting.ascending);
            for (size_t row = 0; row < model.RowCount(); ++row) model.RowStatusKnown(row);
            model.ApplyStatusAnswers(Check(model.TakeStatusQuestions().Unpack()));
        }
    }
    // Tabs, then each row as path and day.
    static std::vector<std::string> Shown(DocumentListModel& model) {
        std::vector<std::string> shown;
        std::string extension;
        for (size_t tab = 0; tab < model.TabCount(); ++tab) {
            model.TabExtension(static_cast<int>(tab), extension);
            shown.push_back("tab " + extension);
        }
        for (size_t row = 0; row < model.RowCount(); ++row) {
            shown.push_back(model.RowPath(row) + "@" + model.CellText(row, kColumnAccessed));
        }
        return shown;
    }

    std::map<std::string, FileStatus> files_;
    fs::path folder_;
};

TEST_F(ModelAppendTest, CarriedOnItShowsWhatAFullPassOverTheWholeHistoryShows) {
    const std::string history = Line(45003, "C:\\b\\ten.txt") + Line(45001, "C:\\a\\nine.txt") +
                                Line(45002, "C:\\d\\gone.txt") + Line(45001, "C:\\c\\Alpha.pdf");
    const ViewSettings all{true, true}, once{false, true}, existing{true, false};
    const struct {
        const char* name;
        std::string appended;
        DateFilter dates;
        int tab;
        ViewSettings view;
        Sorting sorting;
        size_t newRows;
        size_t newTabs;
    } cases[] = {
        {"history order", Line(45004, "C:\\a\\new.txt"), DateFilter::All(), -1, all, {}, 1, 0},
        {"by name", Line(45004, "C:\\a\\new.txt") + Line(45004, "C:\\e\\Zeta.rtf"), DateFilter::All(), -1, all,
         {kColumnName, true}, 2, 1},
        {"by name, down, after an equal name", Line(45004, "C:\\x\\TEN.TXT"), DateFilter::All(), -1, all,
         {kColumnName, false}, 1, 0},
        {"by folder", Line(45004, "C:\\a\\new.txt") + Line(45005, "C:\\b\\0.txt"), DateFilter::All(), -1, all,
         {kColumnFolder, true}, 2, 0},
        {"by size, equal to nine", Line(45004, "C:\\a\\new.txt") + Line(45004, "C:\\d\\gone.txt"), DateFilter::All(), -1,
         all, {kColumnSize, true}, 2, 0},
        {"by size, down", Line(45004, "C:\\a\\new.txt"), DateFilter::All(), -1, all, {kColumnSize, false}, 1, 0},
        {"by access, down", Line(45000, "C:\\a\\new.txt") + Line(45002, "C:\\z.txt"), DateFilter::All(), -1, all,
         {kColumnAccessed, false}, 2, 0},
        {"by creation", Line(45004, "C:\\a\\new.txt"), DateFilter::All(), -1, all, {kColumnCreated, true}, 1, 0},
        {"by modification, down", Line(45004, "C:\\a\\new.txt"), DateFilter::All(), -1, all, {kColumnModified, false}, 1, 0},
        {"once per document", Line(45004, "C:\\A\\NINE.TXT") + Line(45004, "C:\\a\\new.txt"), DateFilter::All(), -1, once,
         {kColumnName, true}, 1, 0},
        {"existing only", Line(45004, "C:\\d\\gone.txt") + Line(45004, "C:\\a\\new.txt") + Line(45004, "C:\\q.rtf"),
         DateFilter::All(), -1, existing, {kColumnAccessed, true}, 1, 0},
        {"a tab", Line(45004, "C:\\a\\new.txt") + Line(45004, "C:\\e\\Zeta.rtf"), DateFilter::All(), 0, all,
         {kColumnName, true}, 1, 1},
        {"dates", Line(45004, "C:\\a\\new.txt") + Line(45001, "C:\\e\\Zeta.rtf"), DateFilter::Range(45002, 45004), -1, all,
         {kColumnName, true}, 1, 0},
    };
    for (const auto& c : cases) {
        Write(history);
        const auto carried = NewModel();
        FullPass(*carried, c.dates, c.tab, c.view, c.sorting);
        const size_t rowsBefore = carried->RowCount();
        Append(c.appended);
        const std::optional<size_t> tabs = carried->ExtendTabs(c.dates, c.view.showDeleted);
        const std::optional<std::vector<size_t>> rows = carried->ExtendRows(c.dates, c.tab, c.view);
        ASSERT_TRUE(tabs && rows) << c.name;
        EXPECT_EQ(*tabs, c.newTabs) << c.name;
        EXPECT_EQ(rows->size(), c.newRows) << c.name;
        EXPECT_EQ(carried->RowCount(), rowsBefore + c.newRows) << c.name;

        const auto whole = NewModel();
        FullPass(*whole, c.dates, c.tab, c.view, c.sorting);
        EXPECT_EQ(Shown(*carried), Shown(*whole)) << c.name;
        // The positions name the new rows: the appended text holds their paths.
        for (size_t position : *rows) {
            EXPECT_NE(c.appended.find(carried->RowPath(position)), std::string::npos) << c.name << " row " << position;
        }
    }
}

TEST_F(ModelAppendTest, AnythingButAPlainAppendAfterTheSamePassAsksForAFullPass) {
    const std::string history = Line(45000, "C:\\a\\nine.txt") + Line(45001, "C:\\b\\ten.txt");
    const ViewSettings all{true, true};
    const DateFilter dates = DateFilter::All();
    const struct {
        const char* name;
        std::function<void(DocumentListModel&)> change;
        DateFilter dates;
        int tab;
        ViewSettings view;
    } cases[] = {
        {"other dates", [](DocumentListModel&) {}, DateFilter::Day(45001), -1, all},
        {"other view settings", [](DocumentListModel&) {}, dates, -1, ViewSettings{false, true}},
        {"another tab", [](DocumentListModel&) {}, dates, 0, all},
        {"a tab that does not exist", [](DocumentListModel&) {}, dates, 3, all},
        {"the history rewritten",
         [this](DocumentListModel&) { Write(Line(45000, "C:\\a\\nine.txt") + Line(45001, "C:\\b\\TEN.txt") + Line(45002, "C:\\x.txt")); },
         dates, -1, all},
        {"the history gone", [this](DocumentListModel&) { fs::remove(folder_ / "Kestrum.dat"); }, dates, -1, all},
        {"a purge since", [&](DocumentListModel& model) { model.Fill(DateFilter::Day(45000), -1, all, true); }, dates, -1, all},
    };
    for (const auto& c : cases) {
        Write(history);
        const auto model = NewModel();
        FullPass(*model, dates, -1, all, {kColumnName, true});
        c.change(*model);
        Append(Line(45002, "C:\\c\\Alpha.pdf"));
        EXPECT_FALSE(model->ExtendRows(c.dates, c.tab, c.view)) << c.name;
    }

    // Tabs go by their own pass.
    Write(history);
    const auto model = NewModel();
    FullPass(*model, dates, -1, all, {});
    Append(Line(45002, "C:\\c\\Alpha.pdf"));
    EXPECT_FALSE(model->ExtendTabs(DateFilter::Day(45002), true));
    EXPECT_FALSE(model->ExtendTabs(dates, false));
    ASSERT_TRUE(model->ExtendTabs(dates, true));

    // Nothing to carry on before a first pass.
    const auto fresh = NewModel();
    EXPECT_FALSE(fresh->ExtendTabs(dates, true));
    EXPECT_FALSE(fresh->ExtendRows(dates, -1, all));
}

TEST_F(ModelAppendTest, AnUnfinishedLastLineThatAnAppendCompletesIsReadAgainByAFullPass) {
    Write(Line(45000, "C:\\a\\nine.txt") + "45001.500000 C:\\b\\te");
    const auto model = NewModel();
    const ViewSettings all{true, true};
    FullPass(*model, DateFilter::All(), -1, all, {});
    ASSERT_EQ(model->RowCount(), 2u);
    EXPECT_EQ(model->RowPath(1), "C:\\b\\te");
    Append("n.txt\r\n");
    EXPECT_FALSE(model->ExtendRows(DateFilter::All(), -1, all));
    FullPass(*model, DateFilter::All(), -1, all, {});
    EXPECT_EQ(model->RowPath(1), "C:\\b\\ten.txt");

    // Once complete, the next append is carried on.
    Append(Line(45002, "C:\\c\\Alpha.pdf"));
    const auto rows = model->ExtendRows(DateFilter::All(), -1, all);
    ASSERT_TRUE(rows);
    EXPECT_EQ(*rows, std::vector<size_t>{2});
}

TEST_F(ModelAppendTest, ASortOfAnEmptyListStillOrdersTheRowsAnAppendBrings) {
    Write(Line(45000, "C:\\a\\nine.txt"));
    const auto model = NewModel();
    const ViewSettings all{true, true};
    FullPass(*model, DateFilter::Day(45001), -1, all, {kColumnName, true});
    ASSERT_EQ(model->RowCount(), 0u);
    Append(Line(45001, "C:\\b\\ten.txt") + Line(45001, "C:\\c\\Alpha.pdf"));
    const auto rows = model->ExtendRows(DateFilter::Day(45001), -1, all);
    ASSERT_TRUE(rows);
    EXPECT_EQ(*rows, (std::vector<size_t>{0, 1}));
    EXPECT_EQ(model->RowPath(0), "C:\\c\\Alpha.pdf");
}

}  // namespace
