// The files pane with its owner-data document list, in a test window standing in for the frame.
#include "panes/files_pane.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cctype>
#include <thread>

#include "settings/settings_store.h"
#include "framework/com_ptr.h"
#include "framework/program_path.h"
#include "framework/window.h"
#include "kestrum_version.h"
#include "panes/list_export_source.h"
#include "tracking/system_document_list_model.h"
#include "tracking/recent_watcher.h"
#include "registry_test_support.h"
#include "wine_test_support.h"

using namespace testsupport;

namespace {

std::string Line(int32_t day, const std::string& path) { return std::to_string(day) + ".500000 " + path + "\r\n"; }

// A window with the frame's two refresh operations, as simple as the pane needs them.
class TestFrame : public CWindow, public FilesPaneHost {
public:
    explicit TestFrame(DocumentListModel& model) : model_(model), pane_(model, *this) {}

    bool Open() {
        RegisterWindowClass({.name = "KestrumFilesPaneTest"});
        if (!Create({.className = "KestrumFilesPaneTest", .title = "test", .width = 800, .height = 500})) return false;
        return pane_.CreatePane(hwnd());
    }

    bool RebuildView() override {
        ++rebuilds;
        if (!pane_.BuildTabs(DateFilter::All())) return false;
        pane_.ShowTabs();
        return FillList(SettingsStore().ReadNumber(Setting::ViewTypesAll) ? -1 : 0);
    }
    bool FillList(int tab) override {
        lastTab = tab;
        const bool filled = pane_.Fill(DateFilter::All(), tab, false);
        pane_.ListControl()->ShowRows();
        pane_.ListControl()->SortByStoredKey();
        pane_.ShowOrHideTabStrip();
        return filled;
    }

    CDialogFiles& Pane() { return pane_; }
    int rebuilds = 0;
    int lastTab = -2;

protected:
    const MessageMap& Map() const override {
        static constexpr MessageEntry kMessages[] = {route::Message<WM_RECENT_CHANGED, &TestFrame::OnRecentChanged>()};
        static constexpr MessageMap kMap{.messages = kMessages};
        return kMap;
    }
    void OnRecentChanged() { pane_.ListControl()->ScanRecentFolder(); }

private:
    DocumentListModel& model_;
    CDialogFiles pane_;
};

class FilesPaneTest : public testing::Test {
protected:
    void SetUp() override {
        DeleteSettingsBranch();
        ClearRecentFolder();
        today_ = TodayDayNumber();
    }
    void TearDown() override {
        DeleteSettingsBranch();
        ::DeleteFileA(HistoryPath().c_str());
    }

    std::string Doc(const std::string& name, size_t bytes) {
        const std::string path = documents_.Path() + name;
        WriteFile(path, std::string(bytes, 'x'));
        return path;
    }
    // Gives the model the scratch history: the pane attaches it to the test program's own
    // path, so the history is put there first.
    void Open(const std::string& history) {
        WriteFile(HistoryPath(), history);
        ASSERT_TRUE(frame_.Open());
        frame_.RebuildView();
        LearnStatuses();
    }
    // Every row's document's status from the file system, as the main window's worker learns it.
    void LearnStatuses() {
        for (size_t row = 0; row < model_.RowCount(); ++row) model_.RowStatusKnown(row);
        model_.ApplyStatusAnswers(SystemStatusCheck()(model_.TakeStatusQuestions().Unpack()));
        ::InvalidateRect(List(), nullptr, FALSE);
    }
    static std::string HistoryPath() {
        std::string path = ProgramPath();
        return path.substr(0, path.size() - 3) + "dat";
    }
    HWND List() { return frame_.Pane().ListControl()->hwnd(); }
    HWND Tabs() { return ::GetDlgItem(frame_.Pane().hwnd(), 1027); }
    // Shown in its own right (the test frame itself is never shown).
    bool TabsShown() { return (::GetWindowLongPtrA(Tabs(), GWL_STYLE) & WS_VISIBLE) != 0; }
    std::string Cell(int row, int column) { return ListCellText(List(), row, column); }
    void ClickHeader(int column) {
        NMLISTVIEW click{};
        click.hdr.hwndFrom = List();
        click.hdr.idFrom = CFilesListCtrl::kControlId;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = column;
        ::SendMessageA(frame_.Pane().hwnd(), WM_NOTIFY, CFilesListCtrl::kControlId, reinterpret_cast<LPARAM>(&click));
    }
    void SelectRows(std::initializer_list<int> rows) {
        for (int row : rows) {
            LVITEMA item{};
            item.stateMask = LVIS_SELECTED;
            item.state = LVIS_SELECTED;
            ::SendMessageA(List(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        }
    }

    ComInit com_;
    ScratchFolder documents_{"kestrum-pane-docs"};
    DocumentListModel model_ = MakeSystemDocumentListModel();
    TestFrame frame_{model_};
    int32_t today_ = 0;
};

TEST_F(FilesPaneTest, ShowsTheModelsRowsWithTheirCellsAndHeaders) {
    const std::string a = Doc("a report.txt", 3000);
    Open(Line(today_, a) + Line(today_, Doc("b.pdf", 10)));
    EXPECT_EQ(frame_.Pane().TabCount(), 2);
    ASSERT_EQ(::SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0), 1) << "the first tab, txt";
    EXPECT_EQ(Cell(0, kColumnName), "a report.txt");
    EXPECT_EQ(Cell(0, kColumnFolder), documents_.Path());
    EXPECT_EQ(Cell(0, kColumnSize), "2");
    char heading[64] = {};
    HDITEMA item{};
    item.mask = HDI_TEXT;
    item.pszText = heading;
    item.cchTextMax = sizeof heading;
    ::SendMessageA(reinterpret_cast<HWND>(::SendMessageA(List(), LVM_GETHEADER, 0, 0)), HDM_GETITEMA, 2,
                   reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(heading, "Size (KB)");
}

TEST_F(FilesPaneTest, PickingATabRefillsTheList) {
    Open(Line(today_, Doc("a.txt", 1)) + Line(today_, Doc("b.pdf", 1)) + Line(today_, Doc("c.pdf", 1)));
    frame_.Pane().SelectTab(1);
    NMHDR change{Tabs(), 1027, static_cast<UINT>(TCN_SELCHANGE)};
    ::SendMessageA(frame_.Pane().hwnd(), WM_NOTIFY, 1027, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(frame_.lastTab, 1);
    EXPECT_EQ(frame_.Pane().RowCount(), 2);
}

TEST_F(FilesPaneTest, HeaderClicksSortAndAreStoredOnlyWithRows) {
    SettingsStore settings;
    Open(Line(today_, Doc("ten.txt", 10 * 1024)) + Line(today_, Doc("nine.txt", 9 * 1024)) +
         Line(today_, Doc("big.txt", 100 * 1024)));
    ClickHeader(kColumnSize);
    EXPECT_EQ(Cell(0, kColumnName), "nine.txt");
    EXPECT_EQ(Cell(2, kColumnName), "big.txt");
    EXPECT_EQ(settings.ReadNumber(Setting::FilesSort), 2u);
    EXPECT_EQ(settings.ReadNumber(Setting::FilesSortAsc), 1u);
    ClickHeader(kColumnSize);
    EXPECT_EQ(Cell(0, kColumnName), "big.txt");
    EXPECT_EQ(settings.ReadNumber(Setting::FilesSortAsc), 0u);
    ClickHeader(kColumnName);  // the direction carries over
    EXPECT_EQ(Cell(0, kColumnName), "ten.txt");
    EXPECT_EQ(settings.ReadNumber(Setting::FilesSort), 0u);
    EXPECT_EQ(settings.ReadNumber(Setting::FilesSortAsc), 0u);
}

TEST_F(FilesPaneTest, AnEmptyListStoresNoSortKey) {
    Open("");
    ClickHeader(kColumnModified);
    EXPECT_EQ(SettingsStore().ReadNumber(Setting::FilesSort), 0u);
}

TEST_F(FilesPaneTest, SelectedDocumentsAreEachPathOnceAndMissingOnlyWhenAsked) {
    const std::string a = Doc("a.txt", 1);
    const std::string gone = documents_.Path() + "gone.txt";
    Open(Line(today_, a) + Line(today_, a) + Line(today_, gone));
    SelectRows({0, 1});
    std::vector<std::string> paths;
    EXPECT_TRUE(frame_.Pane().GetSelectedDocuments(paths, false));
    EXPECT_EQ(paths, std::vector<std::string>{a});
    SelectRows({2});
    EXPECT_TRUE(frame_.Pane().GetSelectedDocuments(paths, true));
    EXPECT_EQ(paths, (std::vector<std::string>{a, gone}));
    const CDialogFiles::DocumentCounts counts = frame_.Pane().CountSelectedDocuments();
    EXPECT_EQ(counts.documents, 2);
    EXPECT_EQ(counts.existing, 1);
}

TEST_F(FilesPaneTest, SelectedDocumentsCountEachDocumentOnceWhateverItsCase) {
    const std::string a = Doc("a.txt", 1);
    std::string upper = a;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    Open(Line(today_, a) + Line(today_, upper) + Line(today_, Doc("b.txt", 1)));
    EXPECT_EQ(frame_.Pane().CountSelectedDocuments().documents, 0);
    SelectRows({0, 1});
    EXPECT_EQ(frame_.Pane().CountSelectedDocuments().documents, 1);
    EXPECT_EQ(frame_.Pane().CountSelectedDocuments().existing, 1);
    SelectRows({2});
    EXPECT_EQ(frame_.Pane().CountSelectedDocuments().documents, 2);
    EXPECT_EQ(frame_.Pane().CountSelectedDocuments().existing, 2);
}

TEST_F(FilesPaneTest, TheTabStripHidesForAnEmptyListAndForAllTypes) {
    Open("");
    EXPECT_FALSE(TabsShown());
    EXPECT_TRUE(frame_.Pane().ListIsEmpty());
    ASSERT_TRUE(model_.History().Append(Line(today_, Doc("a.txt", 1))));
    frame_.RebuildView();
    EXPECT_TRUE(TabsShown()) << "the first row brings the tab strip back";
    SettingsStore().WriteNumber(Setting::ViewTypesAll, 1);
    frame_.RebuildView();
    EXPECT_FALSE(TabsShown());
    EXPECT_EQ(frame_.lastTab, -1);
}

TEST_F(FilesPaneTest, TextLabelsOffGivesIconOnlyTabsAndRebuilds) {
    Open(Line(today_, Doc("a.txt", 1)));
    const int before = frame_.rebuilds;
    SettingsStore().WriteNumber(Setting::ViewTabText, 0);
    frame_.Pane().SetTextLabels(false);
    EXPECT_TRUE(::GetWindowLongPtrA(Tabs(), GWL_STYLE) & TCS_FIXEDWIDTH);
    EXPECT_EQ(frame_.rebuilds, before + 1);
    char text[64] = "unchanged";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(Tabs(), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ(text, "");
}

TEST_F(FilesPaneTest, TheTabStripFollowsTheTypesAfterEveryRebuild) {
    Open(Line(today_, Doc("a.txt", 1)));
    ASSERT_EQ(frame_.Pane().TabCount(), 1);
    auto tabText = [&](int tab) {
        char text[128] = {};
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(Tabs(), TCM_GETITEMA, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
        return std::string(text);
    };
    const std::string textType = tabText(0);

    // A new type opened after the start gets its tab; a rebuild with nothing new keeps them.
    WriteFile(HistoryPath(), Line(today_, Doc("a.txt", 1)) + Line(today_, Doc("b.pdf", 1)));
    frame_.RebuildView();
    ASSERT_EQ(frame_.Pane().TabCount(), 2);
    frame_.Pane().SelectTab(1);
    frame_.RebuildView();
    ASSERT_EQ(frame_.Pane().TabCount(), 2);
    EXPECT_EQ(frame_.Pane().SelectedTab(), 0) << "the tabs shown afresh start at the first";
    EXPECT_EQ(tabText(0), textType);
    EXPECT_EQ(tabText(1), frame_.Pane().TabTypeName(1));

    // A type that is no longer in the history loses its tab, even when the count stays.
    WriteFile(HistoryPath(), Line(today_, Doc("c.csv", 1)) + Line(today_, Doc("b.pdf", 1)));
    frame_.RebuildView();
    ASSERT_EQ(frame_.Pane().TabCount(), 2);
    EXPECT_EQ(tabText(0), frame_.Pane().TabTypeName(0));
    EXPECT_EQ(tabText(1), frame_.Pane().TabTypeName(1));
    std::string first;
    ASSERT_TRUE(model_.TabExtension(0, first));
    EXPECT_EQ(first, "csv");
}

TEST_F(FilesPaneTest, TypesGetTheShellsNamesAndGoneDocumentsTheirOwnIcon) {
    Open(Line(today_, Doc("a.txt", 1)) + Line(today_, documents_.Path() + "gone.txt") + Line(today_, Doc("b.csv", 1)));
    ASSERT_EQ(frame_.Pane().TabCount(), 2);
    EXPECT_FALSE(frame_.Pane().TabTypeName(0).empty());
    EXPECT_NE(frame_.Pane().TabTypeName(0), frame_.Pane().TabTypeName(1));
    EXPECT_EQ(frame_.Pane().TabTypeName(2), "");
    EXPECT_EQ(frame_.Pane().TabTypeName(-1), "");

    SettingsStore().WriteNumber(Setting::ViewTypesAll, 1);
    frame_.RebuildView();
    const auto imageOf = [&](const std::string& name) {
        for (int row = 0; row < frame_.Pane().RowCount(); ++row) {
            if (Cell(row, 0) != name) continue;
            LVITEMA item{};
            item.mask = LVIF_IMAGE;
            item.iItem = row;
            ::SendMessageA(List(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
            return item.iImage;
        }
        return -2;
    };
    const int text = imageOf("a.txt"), gone = imageOf("gone.txt");
    EXPECT_GE(text, 0);
    EXPECT_GE(gone, 0);
    EXPECT_NE(gone, text) << "the missing-document icon";
}

TEST_F(FilesPaneTest, AnUnreadableHistorySaysSoAndTheScannerRunsAgainAfter) {
    Open("");
    ::DeleteFileA(HistoryPath().c_str());
    std::string shown;
    std::thread answer([&] { shown = AnswerMessageBox(); });
    EXPECT_FALSE(frame_.Pane().Fill(DateFilter::All(), -1, false));
    answer.join();
    EXPECT_EQ(shown, "Cannot read from the dat-file");
    EXPECT_TRUE(frame_.Pane().ListControl()->Scanner().ScanEnabled());
}

TEST_F(FilesPaneTest, ARecordedOpeningRebuildsTheView) {
    Open("");
    const int before = frame_.rebuilds;
    const std::string opened = Doc("opened.txt", 1);
    ::SHAddToRecentDocs(SHARD_PATHA, opened.c_str());
    ASSERT_TRUE(WaitUntil([&] { return frame_.rebuilds > before; }, std::chrono::seconds(10)));
    EXPECT_EQ(frame_.Pane().RowCount(), 1);
    EXPECT_EQ(Cell(0, kColumnName), "opened.txt");
}

// The export takes the list as it is shown: its headers whole, its rows in their sorted order,
// a missing document with its empty cells, a name past 260 characters uncut.
TEST_F(FilesPaneTest, TheExportTableIsTheListAsShown) {
    const std::string longName = std::string(300, 'n') + ".txt";
    Open(Line(today_, Doc("b.txt", 2048)) + Line(today_, documents_.Path() + longName) +
         Line(today_, Doc("a.txt", 1)));
    ClickHeader(kColumnName);  // names were sorted ascending: now descending
    const std::string longHeading(400, 'H');
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<char*>(longHeading.c_str());
    ASSERT_TRUE(::SendMessageA(List(), LVM_SETCOLUMNA, kColumnFolder, reinterpret_cast<LPARAM>(&column)));

    const ListExportTable table = ListExportTableOf(List(), model_);
    EXPECT_EQ(table.title, "Kestrum " KESTRUM_VERSION);
    EXPECT_EQ(table.headers, (std::vector<std::string>{"Name", longHeading, "Size (KB)", "Accessed", "Created",
                                                        "Modified"}));
    ASSERT_EQ(table.rows.size(), 3u);
    for (size_t row = 0; row < 3; ++row) {
        ASSERT_EQ(table.rows[row].size(), static_cast<size_t>(kColumnCount));
        EXPECT_EQ(table.rows[row][kColumnFolder], documents_.Path());
        for (const int c : {kColumnSize, kColumnAccessed, kColumnCreated, kColumnModified}) {
            EXPECT_EQ(table.rows[row][c], Cell(static_cast<int>(row), c)) << row << "," << c;
        }
    }
    EXPECT_EQ(table.rows[0][kColumnName], longName);
    EXPECT_EQ(table.rows[0][kColumnSize], "") << "a missing document has no size";
    EXPECT_EQ(table.rows[1][kColumnName], "b.txt");
    EXPECT_EQ(table.rows[1][kColumnSize], "2");
    EXPECT_EQ(table.rows[2][kColumnName], "a.txt");
}

}  // namespace
