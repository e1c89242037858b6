// SortListCtrl under Wine: set-up, header clicks through the real notifications, the header's
// values and arrows, the message to the parent, sorting ordinary lists, selection with centring,
// and the owner-data list's hooks on a million rows.
#include "ui/sort_list_ctrl.h"

#include <gtest/gtest.h>

#include "wine_test_support.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "listbar_test_support.h"
#include "resource.h"

namespace {

constexpr UINT kListId = 1032;

struct HeaderMark {
    std::intptr_t value;
    bool image;
    int imageIndex;
};

HeaderMark MarkOf(HWND list, int column) {
    const auto header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    HDITEMA item{};
    item.mask = HDI_FORMAT | HDI_LPARAM | HDI_IMAGE;
    ::SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    return {item.lParam, (item.fmt & HDF_IMAGE) != 0, item.iImage};
}

void AddRow(HWND list, const std::vector<std::string>& cells, LPARAM data = 0) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(cells[0].c_str());
    item.lParam = data;
    const auto row = static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    for (std::size_t column = 1; column < cells.size(); ++column) {
        LVITEMA cell{};
        cell.iSubItem = static_cast<int>(column);
        cell.pszText = const_cast<char*>(cells[column].c_str());
        ::SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
    }
}

std::string Cell(HWND list, int row, int column) { return testsupport::ListCellText(list, row, column); }

std::vector<std::string> Column(HWND list, int column) {
    std::vector<std::string> cells;
    const auto rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) cells.push_back(Cell(list, row, column));
    return cells;
}

LPARAM DataOf(HWND list, int row) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

// The notification the list sends its parent when a header is clicked.
void SendColumnClick(HWND parent, HWND list, int column) {
    NMLISTVIEW click{};
    click.hdr = {list, kListId, LVN_COLUMNCLICK};
    click.iItem = -1;
    click.iSubItem = column;
    ::SendMessageA(parent, WM_NOTIFY, kListId, reinterpret_cast<LPARAM>(&click));
}

// The notification the header sends the list when one of its items is clicked.
void SendHeaderItemClick(HWND list, int column) {
    const auto header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    NMHEADERW click{};
    click.hdr = {header, static_cast<UINT_PTR>(::GetDlgCtrlID(header)), HDN_ITEMCLICKW};
    click.iItem = column;
    click.iButton = 0;
    ::SendMessageW(list, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

// A click with the mouse in the middle of a header item.
void ClickHeader(HWND list, int column) {
    const auto header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT item{};
    ::SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    ClickAt(header, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

class SortListTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.Make());
        ASSERT_TRUE(list.Setup(parent.hwnd(), IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kListId));
        ::MoveWindow(list.hwnd(), 0, 0, 600, 400, TRUE);
        ::ShowWindow(list.hwnd(), SW_SHOW);
        for (const char* name : {"Name", "Folder", "Size"}) ASSERT_TRUE(list.AddColumn(name, 150));
    }
    HWND List() const { return list.hwnd(); }

    CTestParent parent;
    SortListCtrl list;
};

TEST_F(SortListTest, SetupGivesTheStylesAndTheHeaderArrows) {
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(List(), GWL_STYLE));
    EXPECT_EQ(style & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_NE(style & (WS_CHILD | WS_TABSTOP | LVS_SHOWSELALWAYS), 0u);
    EXPECT_EQ(style & (WS_CHILD | WS_TABSTOP | LVS_SHOWSELALWAYS), static_cast<DWORD>(WS_CHILD | WS_TABSTOP | LVS_SHOWSELALWAYS));
    EXPECT_EQ(style & LVS_NOSORTHEADER, 0u);
    EXPECT_EQ(::SendMessageA(List(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & 0x4020, 0x4020);
    EXPECT_EQ(::GetDlgCtrlID(List()), static_cast<int>(kListId));
    EXPECT_TRUE(list.IsSortable());
    EXPECT_FALSE(list.IsOwnerData());

    const auto header = reinterpret_cast<HWND>(::SendMessageA(List(), LVM_GETHEADER, 0, 0));
    const auto images = reinterpret_cast<HIMAGELIST>(::SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(::ImageList_GetImageCount(images), 2);
    int width = 0;
    int height = 0;
    ::ImageList_GetIconSize(images, &width, &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
    EXPECT_EQ(::SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0), 0);

    EXPECT_EQ(list.ColumnCount(), 3);
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH;
    ::SendMessageA(List(), LVM_GETCOLUMNA, 2, reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
    EXPECT_EQ(column.cx, 150);
    // Nothing is sorted yet.
    EXPECT_EQ(list.SortColumn(), (SortState{-1, true}));
}

TEST_F(SortListTest, HeaderClicksToggleAndCarryTheDirection) {
    // The list's own notification, as the parent receives it.
    SendColumnClick(parent.hwnd(), List(), 2);
    EXPECT_EQ(list.SortColumn(), (SortState{2, true}));
    EXPECT_EQ(parent.sortMessages, 1);
    // The header's notification to the list, which the list turns into its own.
    SendHeaderItemClick(List(), 2);
    EXPECT_EQ(list.SortColumn(), (SortState{2, false}));
    EXPECT_EQ(parent.sortMessages, 2);
    // A mouse click on the Name header: the direction carries over.
    ClickHeader(List(), 0);
    EXPECT_EQ(list.SortColumn(), (SortState{0, false}));
    EXPECT_EQ(parent.sortMessages, 3);

    const HeaderMark name = MarkOf(List(), 0);
    EXPECT_EQ(name.value, kHeaderDescending);
    EXPECT_TRUE(name.image);
    EXPECT_EQ(name.imageIndex, kSortImageDescending);
    for (int other : {1, 2}) {
        const HeaderMark mark = MarkOf(List(), other);
        EXPECT_EQ(mark.value, kHeaderUnsorted) << other;
        EXPECT_FALSE(mark.image) << other;
    }

    // Twice more on Name: back to where it was.
    ClickHeader(List(), 0);
    EXPECT_EQ(list.SortColumn(), (SortState{0, true}));
    EXPECT_EQ(MarkOf(List(), 0).imageIndex, kSortImageAscending);
    ClickHeader(List(), 0);
    EXPECT_EQ(list.SortColumn(), (SortState{0, false}));
}

TEST_F(SortListTest, SetSortStateRefusesColumnsOutOfRangeAndSaysNothing) {
    EXPECT_FALSE(list.SetSortState(3, true));
    EXPECT_FALSE(list.SetSortColumn(-1, true));
    EXPECT_EQ(parent.sortMessages, 0);
    EXPECT_TRUE(list.SetSortState(1, false));
    EXPECT_EQ(parent.sortMessages, 0);
    EXPECT_TRUE(list.SetSortColumn(1, true));
    EXPECT_EQ(parent.sortMessages, 1);
    EXPECT_EQ(list.SortColumn(), (SortState{1, true}));
}

TEST_F(SortListTest, AStrayHeaderValueIsClearedWhenAnotherColumnIsMarked) {
    // Two columns marked, as a careless caller could leave them: marking a third clears both.
    const auto header = reinterpret_cast<HWND>(::SendMessageA(List(), LVM_GETHEADER, 0, 0));
    for (int column : {0, 1}) {
        HDITEMA item{};
        item.mask = HDI_LPARAM;
        item.lParam = kHeaderAscending;
        ::SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    }
    EXPECT_EQ(list.SortColumn(), (SortState{0, true}));
    ASSERT_TRUE(list.SetSortState(2, false));
    EXPECT_EQ(MarkOf(List(), 0).value, kHeaderUnsorted);
    EXPECT_EQ(MarkOf(List(), 1).value, kHeaderUnsorted);
    EXPECT_EQ(list.SortColumn(), (SortState{2, false}));
}

TEST_F(SortListTest, SortsByTheTextIgnoringCaseInBothDirectionsAndRowsKeepTheirData) {
    const std::vector<std::string> names = {"banana", "Apple", "cherry", "apricot", "BLUEBERRY"};
    for (std::size_t i = 0; i < names.size(); ++i) AddRow(List(), {names[i], "C:\\", "1"}, static_cast<LPARAM>(100 + i));

    ASSERT_TRUE(list.Sort(0, true));
    EXPECT_EQ(Column(List(), 0), (std::vector<std::string>{"Apple", "apricot", "banana", "BLUEBERRY", "cherry"}));
    EXPECT_EQ(list.SortColumn(), (SortState{0, true}));
    // The sort told nobody: only header clicks and SetSortColumn do.
    EXPECT_EQ(parent.sortMessages, 0);
    for (int row = 0; row < 5; ++row) {
        const auto original = std::find(names.begin(), names.end(), Cell(List(), row, 0)) - names.begin();
        EXPECT_EQ(DataOf(List(), row), 100 + original) << row;
    }

    ASSERT_TRUE(list.Sort(0, false));
    EXPECT_EQ(Column(List(), 0), (std::vector<std::string>{"cherry", "BLUEBERRY", "banana", "apricot", "Apple"}));
    EXPECT_EQ(MarkOf(List(), 0).imageIndex, kSortImageDescending);
}

TEST_F(SortListTest, EqualKeysKeepTheirOrderAndKeysEndAfter1023Characters) {
    const std::string shared(1023, 'k');
    AddRow(List(), {"same", "z"});
    AddRow(List(), {"same", "a"});
    AddRow(List(), {"other", "m"});
    AddRow(List(), {shared + "z", "long z"});
    AddRow(List(), {shared + "b", "long b"});
    ASSERT_TRUE(list.Sort(1, true));  // by Folder first
    ASSERT_TRUE(list.Sort(0, true));  // then by Name: equal names stay in Folder order
    EXPECT_EQ(Column(List(), 1), (std::vector<std::string>{"long b", "long z", "m", "a", "z"}));
    // The two long names differ only after their first 1023 characters: they count as equal
    // and keep the order they had, where comparing them whole would reverse them.
    ASSERT_TRUE(list.Sort(0, false));
    EXPECT_EQ(Column(List(), 1), (std::vector<std::string>{"a", "z", "m", "long b", "long z"}));
}

// A list whose Size column compares as numbers, as the document list's does.
class NumericList : public SortListCtrl {
protected:
    int CompareSortKeys(int column, const std::string& a, const std::string& b) const noexcept override {
        return column == 2 ? CompareAsNumbers(a, b) : SortListCtrl::CompareSortKeys(column, a, b);
    }
    void OnSortClicked(int column, bool ascending) override { Sort(column, ascending); }
};

TEST(SortListCustom, AComparisonOfItsOwnAndASortOnEveryClick) {
    CTestParent parent;
    ASSERT_TRUE(parent.Make());
    NumericList list;
    ASSERT_TRUE(list.Setup(parent.hwnd(), IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kListId));
    for (const char* name : {"Name", "Folder", "Size"}) ASSERT_TRUE(list.AddColumn(name, 100));
    for (const char* size : {"10", "9", "100", "", "25"}) AddRow(list.hwnd(), {"n", "f", size});

    SendColumnClick(parent.hwnd(), list.hwnd(), 2);
    EXPECT_EQ(Column(list.hwnd(), 2), (std::vector<std::string>{"", "9", "10", "25", "100"}));
    SendColumnClick(parent.hwnd(), list.hwnd(), 2);
    EXPECT_EQ(Column(list.hwnd(), 2), (std::vector<std::string>{"100", "25", "10", "9", ""}));
    EXPECT_EQ(parent.sortMessages, 2);
}

TEST_F(SortListTest, TheParentCanSortAgainWhenToldOfAChange) {
    for (const char* name : {"b", "c", "a"}) AddRow(List(), {name, name, name});
    parent.onSortChanged = [this] { list.SortAgain(); };
    SendColumnClick(parent.hwnd(), List(), 0);
    EXPECT_EQ(Column(List(), 0), (std::vector<std::string>{"a", "b", "c"}));
    SendColumnClick(parent.hwnd(), List(), 0);
    EXPECT_EQ(Column(List(), 0), (std::vector<std::string>{"c", "b", "a"}));
}

TEST_F(SortListTest, SortRefusesAnEmptyListAndColumnsOutOfRange) {
    EXPECT_FALSE(list.Sort(0, true));
    // With no rows the header may still change through a click, but a sort does nothing.
    EXPECT_EQ(list.SortColumn(), (SortState{-1, true}));
    AddRow(List(), {"x", "y", "z"});
    EXPECT_FALSE(list.Sort(3, true));
    EXPECT_FALSE(list.Sort(-1, true));
    EXPECT_FALSE(list.SortAgain());
    EXPECT_TRUE(list.Sort(2, true));
    EXPECT_TRUE(list.SortAgain());
}

TEST(SortListSetup, WithoutIconsTheListIsNotSortableAndClicksChangeNothing) {
    CTestParent parent;
    ASSERT_TRUE(parent.Make());
    SortListCtrl list;
    ASSERT_TRUE(list.Setup(parent.hwnd(), 0, IDI_SORT_DESCENDING, kListId));
    EXPECT_FALSE(list.IsSortable());
    EXPECT_NE(::GetWindowLongPtrA(list.hwnd(), GWL_STYLE) & LVS_NOSORTHEADER, 0);
    ASSERT_TRUE(list.AddColumn("Name", 100));
    AddRow(list.hwnd(), {"b"});
    AddRow(list.hwnd(), {"a"});
    SendColumnClick(parent.hwnd(), list.hwnd(), 0);
    EXPECT_EQ(parent.sortMessages, 0);
    EXPECT_EQ(MarkOf(list.hwnd(), 0).value, kHeaderUnsorted);
    EXPECT_FALSE(list.SetSortColumn(0, true));
    EXPECT_FALSE(list.Sort(0, true));
    EXPECT_EQ(list.SortColumn(), (SortState{-1, true}));
    EXPECT_EQ(Column(list.hwnd(), 0), (std::vector<std::string>{"b", "a"}));
}

TEST(SortListSetup, RefusesADeadParentAnIconThatDoesNotLoadOrAnotherClass) {
    SortListCtrl list;
    EXPECT_FALSE(list.Setup(nullptr, IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kListId));
    CTestParent parent;
    ASSERT_TRUE(parent.Make());
    SortListCtrl missingIcon;
    EXPECT_FALSE(missingIcon.Setup(parent.hwnd(), IDI_SORT_ASCENDING, 9999, kListId));
    EXPECT_FALSE(missingIcon.IsSortable());

    // A child with the ID that is not a list view is left alone.
    const HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 10, 10, parent.hwnd(),
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(2000)), nullptr, nullptr);
    SortListCtrl onEdit;
    EXPECT_FALSE(onEdit.Setup(parent.hwnd(), IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, 2000));
    EXPECT_EQ(onEdit.hwnd(), nullptr);
    ::DestroyWindow(edit);
}

TEST(SortListSetup, TakesOverAListFromATemplateButCannotMakeItVirtual) {
    CTestParent parent;
    ASSERT_TRUE(parent.Make());
    // As a dialog template would leave it: an icon-view list with the control's ID.
    const HWND existing = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_ICON, 0, 0, 100, 100, parent.hwnd(),
                                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kListId)), nullptr, nullptr);
    ASSERT_NE(existing, nullptr);
    // A column added with its sub-item number, which one list view keeps in the header item's data.
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>("Folder");
    column.cx = 80;
    column.iSubItem = 1;
    ::SendMessageA(existing, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    SortListCtrl virtualList;
    EXPECT_FALSE(virtualList.Setup(parent.hwnd(), IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kListId, LVS_OWNERDATA));
    EXPECT_EQ(virtualList.hwnd(), nullptr);

    SortListCtrl list;
    ASSERT_TRUE(list.Setup(parent.hwnd(), IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kListId));
    EXPECT_EQ(list.hwnd(), existing);
    EXPECT_EQ(::GetWindowLongPtrA(existing, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    // What the column brought along is no sort mark.
    EXPECT_EQ(list.SortColumn(), (SortState{-1, true}));
    ASSERT_TRUE(list.AddColumn("Name", 80));
    SendColumnClick(parent.hwnd(), existing, 1);
    EXPECT_EQ(list.SortColumn(), (SortState{1, true}));
}

int TopIndex(HWND list) { return static_cast<int>(::SendMessageA(list, LVM_GETTOPINDEX, 0, 0)); }
int PerPage(HWND list) { return static_cast<int>(::SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0)); }

// Makes the list just high enough to show `perPage` full rows.
void ShowRows(HWND list, int perPage) {
    RECT row{};
    row.left = LVIR_BOUNDS;
    ::SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    // Somewhat less than enough (the header and frame are below 40 pixels), then a pixel at a time.
    int height = perPage * (row.bottom - row.top);
    do {
        ::MoveWindow(list, 0, 0, 400, height++, TRUE);
    } while (height < 2000 && PerPage(list) < perPage);
}

TEST_F(SortListTest, SelectCentresTheRowByHalfAPage) {
    for (int row = 0; row < 100; ++row) AddRow(List(), {"row " + std::to_string(row)});
    ShowRows(List(), 20);
    ASSERT_EQ(PerPage(List()), 20);
    ASSERT_EQ(TopIndex(List()), 0);
    ASSERT_TRUE(list.Select(3));
    ASSERT_TRUE(list.Select(7));

    // Row 25 from the top page: row 35 is scrolled into view, at the bottom of the page.
    ASSERT_TRUE(list.Select(25, true, true, true));
    EXPECT_EQ(TopIndex(List()), 35 - 20 + 1);
    EXPECT_TRUE(list.IsSelected(25));
    EXPECT_EQ(list.SelectedIndex(), 25);
    EXPECT_EQ(list.SelectedIndex(25), -1);
    EXPECT_EQ(::SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 25);
    EXPECT_EQ(::SendMessageA(List(), LVM_GETSELECTEDCOUNT, 0, 0), 1);

    // Row 18 lies above the middle of the page 16..35: row 8 is scrolled to, at the top.
    ASSERT_TRUE(list.Select(18, true, true, true));
    EXPECT_EQ(TopIndex(List()), 8);
    // Without centring the row only just comes into view.
    ASSERT_TRUE(list.Select(80, true, true, false));
    EXPECT_EQ(TopIndex(List()), 80 - 20 + 1);
    // Past the end: the last row.
    ASSERT_TRUE(list.Select(5000, true, true, true));
    EXPECT_TRUE(list.IsSelected(99));
    EXPECT_EQ(TopIndex(List()), 80);
    // Near the top: not above row 0.
    ASSERT_TRUE(list.Select(2, true, true, true));
    EXPECT_EQ(TopIndex(List()), 0);
}

TEST_F(SortListTest, SelectWithoutTheFlagOnlyDeselectsAndSelectAllCoversEveryRow) {
    EXPECT_FALSE(list.Select(0));
    EXPECT_EQ(list.SelectedIndex(), -1);
    for (int row = 0; row < 10; ++row) AddRow(List(), {std::to_string(row)});
    EXPECT_FALSE(list.Select(-1));
    ASSERT_TRUE(list.SelectAll(true));
    EXPECT_EQ(::SendMessageA(List(), LVM_GETSELECTEDCOUNT, 0, 0), 10);
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    ASSERT_TRUE(list.Select(4, false));
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_FALSE(list.IsSelected(4));
    EXPECT_FALSE(list.IsSelected(10));
    EXPECT_FALSE(list.IsSelected(-1));
}

TEST(SortListSingle, ASingleSelectionListKeepsOneRow) {
    CTestParent parent;
    ASSERT_TRUE(parent.Make());
    SortListCtrl list;
    ASSERT_TRUE(list.Setup(parent.hwnd(), IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kListId, LVS_SINGLESEL));
    ASSERT_TRUE(list.AddColumn("Name", 100));
    for (int row = 0; row < 5; ++row) AddRow(list.hwnd(), {std::to_string(row)});
    EXPECT_FALSE(list.SelectAll(true));
    ASSERT_TRUE(list.Select(1));
    ASSERT_TRUE(list.Select(3));
    EXPECT_EQ(list.SelectedIndex(), 3);
    EXPECT_EQ(list.SelectedIndex(3), -1);
}

// An owner-data list over its own strings, as the document list over its rows.
class VirtualList : public SortListCtrl {
public:
    std::vector<std::string> names;
    std::vector<int> order;  // row -> index into names
    int sortCalls = 0;
    SortState lastSort;
    bool reportOrder = true;

    void Fill(int rows) {
        names.resize(static_cast<std::size_t>(rows));
        for (int i = 0; i < rows; ++i) names[static_cast<std::size_t>(i)] = "doc" + std::to_string((i * 7919LL) % rows);
        order.resize(names.size());
        std::iota(order.begin(), order.end(), 0);
        SetVirtualRowCount(rows);
    }
    const std::string& NameAt(int row) const { return names[static_cast<std::size_t>(order[static_cast<std::size_t>(row)])]; }
    // New rows named "new N" at `positions`, their places afterwards (ascending), as an owner
    // that merged them in tells the list.
    bool Insert(const std::vector<std::size_t>& positions) {
        for (const std::size_t position : positions) {
            order.insert(order.begin() + static_cast<std::ptrdiff_t>(position), static_cast<int>(names.size()));
            names.push_back("new " + std::to_string(position));
        }
        return InsertVirtualRows(positions);
    }

protected:
    bool SortOwnerData(int column, bool ascending, std::vector<int>& newToOld) override {
        ++sortCalls;
        lastSort = {column, ascending};
        std::vector<int> positions(order.size());
        std::iota(positions.begin(), positions.end(), 0);
        std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
            const std::string& x = names[static_cast<std::size_t>(order[static_cast<std::size_t>(a)])];
            const std::string& y = names[static_cast<std::size_t>(order[static_cast<std::size_t>(b)])];
            return ascending ? x < y : y < x;
        });
        std::vector<int> sorted(order.size());
        for (std::size_t i = 0; i < positions.size(); ++i) sorted[i] = order[static_cast<std::size_t>(positions[i])];
        order = std::move(sorted);
        if (reportOrder) newToOld = std::move(positions);
        return true;
    }
    void OnSortClicked(int column, bool ascending) override { Sort(column, ascending); }
    bool OnListNotify(NMHDR& header, LRESULT& result) override {
        if (header.code != LVN_GETDISPINFOA) return false;
        auto& request = reinterpret_cast<NMLVDISPINFOA&>(header);
        if ((request.item.mask & LVIF_TEXT) != 0 && request.item.iItem >= 0 &&
            request.item.iItem < static_cast<int>(order.size())) {
            ::lstrcpynA(request.item.pszText, NameAt(request.item.iItem).c_str(), request.item.cchTextMax);
        }
        result = 0;
        return true;
    }
};

class VirtualListTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.Make());
        ASSERT_TRUE(list.Setup(parent.hwnd(), IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kListId, LVS_OWNERDATA));
        ::MoveWindow(list.hwnd(), 0, 0, 400, 300, TRUE);
        ::ShowWindow(list.hwnd(), SW_SHOW);
        ASSERT_TRUE(list.AddColumn("Name", 200));
        ASSERT_TRUE(list.AddColumn("Folder", 100));
    }
    CTestParent parent;
    VirtualList list;
};

TEST_F(VirtualListTest, AMillionRowsSortThroughTheOwnerAndTheSelectionFollowsItsRow) {
    constexpr int kRows = 1000000;
    list.Fill(kRows);
    ASSERT_TRUE(list.IsOwnerData());
    EXPECT_EQ(list.RowCount(), kRows);
    // The list asks its owner for the texts.
    EXPECT_EQ(Cell(list.hwnd(), 5, 0), list.NameAt(5));

    ASSERT_TRUE(list.Select(123456, true, true, true));
    ASSERT_TRUE(list.Select(42, true, false, false));
    LVITEMA alsoSelected{};
    alsoSelected.stateMask = LVIS_SELECTED;
    alsoSelected.state = LVIS_SELECTED;
    ::SendMessageA(list.hwnd(), LVM_SETITEMSTATE, 777, reinterpret_cast<LPARAM>(&alsoSelected));
    const std::string focusedName = list.NameAt(42);
    const std::string otherName = list.NameAt(777);

    SendColumnClick(parent.hwnd(), list.hwnd(), 0);
    EXPECT_EQ(list.sortCalls, 1);
    EXPECT_EQ(list.lastSort, (SortState{0, true}));
    EXPECT_EQ(MarkOf(list.hwnd(), 0).imageIndex, kSortImageAscending);
    EXPECT_EQ(parent.sortMessages, 1);
    EXPECT_EQ(Cell(list.hwnd(), 0, 0), "doc0");

    // The two selected documents are still the selected ones, wherever they went.
    EXPECT_EQ(::SendMessageA(list.hwnd(), LVM_GETSELECTEDCOUNT, 0, 0), 2);
    std::vector<std::string> selected;
    for (int row : list.SelectedRows()) selected.push_back(list.NameAt(row));
    std::sort(selected.begin(), selected.end());
    std::vector<std::string> expected = {focusedName, otherName};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(selected, expected);
    const auto focused = static_cast<int>(::SendMessageA(list.hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    ASSERT_GE(focused, 0);
    EXPECT_EQ(list.NameAt(focused), focusedName);

    SendColumnClick(parent.hwnd(), list.hwnd(), 0);
    EXPECT_EQ(list.lastSort, (SortState{0, false}));
    EXPECT_EQ(Cell(list.hwnd(), kRows - 1, 0), "doc0");
    EXPECT_EQ(MarkOf(list.hwnd(), 0).imageIndex, kSortImageDescending);
}

TEST_F(VirtualListTest, SelectCentresAndSelectAllWorkWithoutItems) {
    list.Fill(1000000);
    const int perPage = PerPage(list.hwnd());
    ASSERT_GT(perPage, 2);
    ASSERT_TRUE(list.Select(500000, true, true, true));
    EXPECT_EQ(TopIndex(list.hwnd()), 500000 + perPage / 2 - perPage + 1);
    EXPECT_TRUE(list.IsSelected(500000));
    ASSERT_TRUE(list.Select(999999, true, true, true));
    EXPECT_EQ(TopIndex(list.hwnd()), 1000000 - perPage);
    EXPECT_EQ(list.SelectedIndex(), 999999);
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{999999});
    // Scattered rows come back in order, the last one included.
    for (const int row : {3, 400000, 999998}) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED;
        item.state = LVIS_SELECTED;
        ::SendMessageA(list.hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    EXPECT_EQ(list.SelectedRows(), (std::vector<int>{3, 400000, 999998, 999999}));

    // Wine changes the selection of an owner-data list row by row (about 40 microseconds
    // each), so selecting everything is shown on fewer rows.
    constexpr int kRows = 20000;
    list.Fill(kRows);
    ASSERT_TRUE(list.SelectAll(true));
    EXPECT_EQ(::SendMessageA(list.hwnd(), LVM_GETSELECTEDCOUNT, 0, 0), kRows);
    EXPECT_EQ(list.SelectedIndex(kRows - 2), kRows - 1);
    // Every row selected: a sort leaves them all selected.
    SendColumnClick(parent.hwnd(), list.hwnd(), 1);
    EXPECT_EQ(list.lastSort, (SortState{1, true}));
    EXPECT_EQ(::SendMessageA(list.hwnd(), LVM_GETSELECTEDCOUNT, 0, 0), kRows);
    ASSERT_TRUE(list.SelectAll(false));
    EXPECT_EQ(list.SelectedIndex(), -1);
}

TEST_F(VirtualListTest, AnOwnerThatTellsNoOrderLeavesTheSelectionByPosition) {
    list.Fill(50);
    list.reportOrder = false;
    ASSERT_TRUE(list.Select(10, true, false, false));
    ASSERT_TRUE(list.Sort(0, false));
    EXPECT_EQ(list.sortCalls, 1);
    EXPECT_EQ(list.SelectedIndex(), 10);
    // An empty list sorts nothing and does not bother the owner.
    list.Fill(0);
    EXPECT_FALSE(list.Sort(0, true));
    EXPECT_EQ(list.sortCalls, 1);
}

TEST_F(VirtualListTest, InsertedRowsTakeTheirPlacesAndOnlyWhatMovedIsPainted) {
    constexpr int kRows = 1000000;
    list.Fill(kRows);
    ASSERT_TRUE(list.Select(500010, true, true, true));
    LVITEMA also{};
    also.stateMask = also.state = LVIS_SELECTED;
    ::SendMessageA(list.hwnd(), LVM_SETITEMSTATE, 100, reinterpret_cast<LPARAM>(&also));
    const std::string focusedName = list.NameAt(500010);
    const std::string otherName = list.NameAt(100);
    const int top = TopIndex(list.hwnd());
    ASSERT_GT(top, 400000);
    ::UpdateWindow(list.hwnd());

    // Inside the page: painted from the new row down, nothing above it.
    const auto inPage = static_cast<std::size_t>(top + 3);
    ASSERT_TRUE(list.Insert({inPage}));
    EXPECT_EQ(list.RowCount(), kRows + 1);
    EXPECT_EQ(TopIndex(list.hwnd()), top);
    RECT newRow{};
    newRow.left = LVIR_BOUNDS;
    ::SendMessageA(list.hwnd(), LVM_GETITEMRECT, inPage, reinterpret_cast<LPARAM>(&newRow));
    RECT client{}, update{};
    ::GetClientRect(list.hwnd(), &client);
    ASSERT_TRUE(::GetUpdateRect(list.hwnd(), &update, FALSE));
    EXPECT_GE(update.top, newRow.top);
    EXPECT_EQ(update.bottom, client.bottom);
    EXPECT_EQ(Cell(list.hwnd(), static_cast<int>(inPage), 0), "new " + std::to_string(inPage));
    ::UpdateWindow(list.hwnd());

    // Far below the page: nothing shown moves, nothing is painted.
    ASSERT_TRUE(list.Insert({900000}));
    EXPECT_FALSE(::GetUpdateRect(list.hwnd(), &update, FALSE));

    // Above the page and between the selected rows: they keep their documents, focus and
    // selection mark included, and the view its place.
    ASSERT_TRUE(list.Insert({0, 200}));
    EXPECT_EQ(TopIndex(list.hwnd()), top);
    EXPECT_TRUE(::GetUpdateRect(list.hwnd(), &update, FALSE));
    std::vector<std::string> selected;
    for (const int row : list.SelectedRows()) selected.push_back(list.NameAt(row));
    EXPECT_EQ(selected, (std::vector<std::string>{otherName, focusedName}));
    const auto focused = static_cast<int>(::SendMessageA(list.hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    ASSERT_GE(focused, 0);
    EXPECT_EQ(list.NameAt(focused), focusedName);
    EXPECT_EQ(list.NameAt(static_cast<int>(::SendMessageA(list.hwnd(), LVM_GETSELECTIONMARK, 0, 0))), focusedName);

    // A focused last row of the page pushed below it: the page still stays.
    const int last = TopIndex(list.hwnd()) + PerPage(list.hwnd()) - 1;
    ASSERT_TRUE(list.Select(last, true, false, false));
    const std::string lastName = list.NameAt(last);
    ASSERT_TRUE(list.Insert({static_cast<std::size_t>(last)}));
    EXPECT_EQ(TopIndex(list.hwnd()), top);
    EXPECT_EQ(list.NameAt(list.SelectedIndex()), lastName);

    // Positions beyond the new end are refused, changing nothing.
    EXPECT_FALSE(list.InsertVirtualRows(std::vector<std::size_t>{static_cast<std::size_t>(kRows) + 10}));
    EXPECT_EQ(list.RowCount(), kRows + 5);
}

TEST_F(VirtualListTest, WithEveryRowSelectedTheOldRowsStaySelectedAndTheNewOnesNot) {
    // Selecting everything takes Wine a while per row (see above): fewer rows.
    constexpr int kRows = 20000;
    list.Fill(kRows);
    ASSERT_TRUE(list.SelectAll(true));
    ASSERT_TRUE(list.Insert({0, 10000, kRows + 2}));
    EXPECT_EQ(::SendMessageA(list.hwnd(), LVM_GETSELECTEDCOUNT, 0, 0), kRows);
    EXPECT_FALSE(list.IsSelected(0));
    EXPECT_FALSE(list.IsSelected(10000));
    EXPECT_FALSE(list.IsSelected(kRows + 2));
    EXPECT_TRUE(list.IsSelected(1));
    EXPECT_TRUE(list.IsSelected(kRows + 1));
}

TEST(VirtualListDefault, WithoutAnOwnerSortNothingIsSortedButTheHeaderIsMarked) {
    CTestParent parent;
    ASSERT_TRUE(parent.Make());
    SortListCtrl list;
    ASSERT_TRUE(list.Setup(parent.hwnd(), IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kListId, LVS_OWNERDATA));
    ASSERT_TRUE(list.AddColumn("Name", 100));
    EXPECT_FALSE(list.SetVirtualRowCount(-1));
    ASSERT_TRUE(list.SetVirtualRowCount(10));
    EXPECT_FALSE(list.Sort(0, true));
    EXPECT_EQ(list.SortColumn(), (SortState{0, true}));
}

TEST(OrdinaryList, TakesNoInsertionsMeantForAnOwnerDataList) {
    CTestParent parent;
    ASSERT_TRUE(parent.Make());
    SortListCtrl list;
    ASSERT_TRUE(list.Setup(parent.hwnd(), IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kListId));
    EXPECT_FALSE(list.InsertVirtualRows(std::vector<std::size_t>{0}));
}

}  // namespace
