// SortListCtrl: header marks, row sorting by keys or by the owner, selection and scrolling.
#include "ui/sort_list_ctrl.h"

#include <algorithm>

#include "framework/display_dpi.h"
#include "framework/wait_cursor.h"
#include "ui/window_utils.h"

namespace {

constexpr DWORD kBaseStyle = WS_CHILD | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS;
constexpr DWORD kExtendedStyle = LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP;
constexpr int kHeaderIconSize = 16;  // at 96 dpi
// A UTF-8 character takes at most 4 bytes: this holds every key's kSortKeyLength characters
// whole, even when the list cuts the text at the end of the buffer.
constexpr int kCellTextBuffer = 4 * static_cast<int>(kSortKeyLength) + 8;

HDITEMA ReadHeaderItem(HWND header, int column) {
    HDITEMA item{};
    item.mask = HDI_FORMAT | HDI_LPARAM | HDI_IMAGE;
    ::SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    return item;
}

void WriteHeaderItem(HWND header, int column, HDITEMA item) {
    item.mask = HDI_FORMAT | HDI_LPARAM | HDI_IMAGE;
    ::SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
}

void SetRowState(HWND list, int row, UINT state, UINT mask) {
    LVITEMA item{};
    item.stateMask = mask;
    item.state = state;
    ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// The selected rows in order. The walk stops at the last selected row: asking the list view for
// the next one after it makes it visit every remaining row, which for an owner-data list of a
// million rows costs tens of milliseconds even when a single row is selected.
std::vector<int> SelectedRowsOf(HWND list) {
    const auto count = static_cast<std::size_t>(::SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
    std::vector<int> rows;
    rows.reserve(count);
    for (int row = -1; rows.size() < count;) {
        row = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
        if (row < 0) break;
        rows.push_back(row);
    }
    return rows;
}

// Deselects every row. Asking for all rows at once makes the list view visit each row, which
// for an owner-data list of a million rows takes seconds; visiting only the selected ones
// costs what the selection holds.
void DeselectAll(HWND list) {
    if (::SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0) == 0) return;
    if (!(::GetWindowLongPtrA(list, GWL_STYLE) & LVS_OWNERDATA)) {
        SetRowState(list, -1, 0, LVIS_SELECTED);
        return;
    }
    for (const int row : SelectedRowsOf(list)) SetRowState(list, row, 0, LVIS_SELECTED);
}

LPARAM RowData(HWND list, int row) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ::SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return item.lParam;
}

void SetRowData(HWND list, int row, LPARAM data) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = data;
    ::SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

// Turns a window's redrawing off for the guard's lifetime, then repaints it whole.
class RedrawPause {
public:
    explicit RedrawPause(HWND window) : window_(window) { ::SendMessageA(window_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawPause() {
        ::SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(window_, nullptr, TRUE);
    }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

private:
    HWND window_;
};

}  // namespace

// One row of an ordinary list while it is sorted: the row's own item data is parked here and
// the row points at its key instead, since the list view's sort hands out item data only.
struct SortListCtrl::RowKey {
    std::string key;
    LPARAM data = 0;
    int position = 0;
};

namespace {
struct SortContext {
    const SortListCtrl* list;
    int column;
    bool ascending;
};
}  // namespace

SortListCtrl::~SortListCtrl() {
    // The header does not own its image list: take it away before the list goes.
    if (IsAlive() && Header() != nullptr) ::SendMessageA(Header(), HDM_SETIMAGELIST, 0, 0);
}

const MessageMap& SortListCtrl::Map() const {
    static constexpr MessageEntry kMessages[] = {
        route::Message<Reflected(WM_NOTIFY), &SortListCtrl::OnReflectedNotify>(),
    };
    static constexpr MessageMap kMap{.messages = kMessages};
    return kMap;
}

bool SortListCtrl::Setup(HWND parent, int ascendingIconId, int descendingIconId, UINT controlId, DWORD extraStyle) {
    if (!::IsWindow(parent)) return false;
    const bool withIcons = ascendingIconId != 0 && descendingIconId != 0;
    const DWORD style = kBaseStyle | extraStyle | (withIcons ? 0 : LVS_NOSORTHEADER);
    if (!AdoptOrCreate(parent, controlId, style)) return false;
    ::SendMessageA(hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, kExtendedStyle, kExtendedStyle);
    sortable_ = false;
    if (!withIcons) return true;
    if (!LoadHeaderImages(ascendingIconId, descendingIconId, ScaleForWindow(hwnd(), kHeaderIconSize))) return false;
    ascendingIconId_ = ascendingIconId;
    descendingIconId_ = descendingIconId;
    // Columns a list brings along may carry values in their item data that are not ours (one
    // list view keeps the column's sub-item number there).
    for (int column = 0; column < ColumnCount(); ++column) ClearSortMark(column);
    sortable_ = true;
    return true;
}

bool SortListCtrl::AdoptOrCreate(HWND parent, UINT controlId, DWORD style) {
    HWND list = hwnd();
    if (list == nullptr) list = ::GetDlgItem(parent, static_cast<int>(controlId));
    if (list != nullptr) {
        if (!IsListView(list)) return false;
        const auto current = static_cast<DWORD>(::GetWindowLongPtrA(list, GWL_STYLE));
        // Owner data is fixed when the list is created.
        if ((style & LVS_OWNERDATA) != 0 && (current & LVS_OWNERDATA) == 0) return false;
        const DWORD changed = (current & ~(LVS_TYPEMASK | LVS_NOSORTHEADER)) | style;
        ::SetWindowLongPtrA(list, GWL_STYLE, static_cast<LONG_PTR>(changed));
        ::SetWindowPos(list, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return hwnd() == list || Subclass(list);
    }
    list = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", style, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(controlId)), ::GetModuleHandleA(nullptr), nullptr);
    if (list == nullptr) return false;
    if (Subclass(list)) return true;
    ::DestroyWindow(list);
    return false;
}

bool SortListCtrl::LoadHeaderImages(int ascendingIconId, int descendingIconId, int size) {
    UniqueImageList images(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 2, 0));
    if (!images) return false;
    for (const int id : {ascendingIconId, descendingIconId}) {
        const UniqueIcon icon(static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                                              size, size, LR_DEFAULTCOLOR)));
        if (!icon || ::ImageList_AddIcon(images.get(), icon.get()) < 0) return false;
    }
    const HWND header = Header();
    if (header == nullptr) return false;
    ::SendMessageA(header, HDM_SETIMAGELIST, HDSIL_NORMAL, reinterpret_cast<LPARAM>(images.get()));
    ::SendMessageA(header, HDM_SETBITMAPMARGIN, 0, 0);
    headerImages_ = std::move(images);
    return true;
}

bool SortListCtrl::ReloadHeaderImages(int dpi) {
    return sortable_ && LoadHeaderImages(ascendingIconId_, descendingIconId_, ScaleToDpi(kHeaderIconSize, dpi));
}

HWND SortListCtrl::Header() const {
    if (hwnd() == nullptr) return nullptr;
    return reinterpret_cast<HWND>(::SendMessageA(hwnd(), LVM_GETHEADER, 0, 0));
}

bool SortListCtrl::IsOwnerData() const {
    return IsAlive() && (::GetWindowLongPtrA(hwnd(), GWL_STYLE) & LVS_OWNERDATA) != 0;
}

bool SortListCtrl::IsSingleSelection() const {
    return IsAlive() && (::GetWindowLongPtrA(hwnd(), GWL_STYLE) & LVS_SINGLESEL) != 0;
}

int SortListCtrl::ColumnCount() const {
    const HWND header = IsAlive() ? Header() : nullptr;
    if (header == nullptr) return 0;
    return static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

int SortListCtrl::RowCount() const {
    if (!IsAlive()) return 0;
    return static_cast<int>(::SendMessageA(hwnd(), LVM_GETITEMCOUNT, 0, 0));
}

bool SortListCtrl::AddColumn(const std::string& text, int width) {
    if (!IsAlive()) return false;
    const int position = ColumnCount();
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(text.c_str());
    const auto added = ::SendMessageA(hwnd(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&column));
    if (added < 0) return false;
    ::SendMessageA(hwnd(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(added), MAKELPARAM(width, 0));
    ClearSortMark(static_cast<int>(added));
    return true;
}

void SortListCtrl::ClearSortMark(int column) {
    const HWND header = Header();
    HDITEMA item = ReadHeaderItem(header, column);
    item.lParam = kHeaderUnsorted;
    item.fmt = (item.fmt & ~(HDF_IMAGE | HDF_BITMAP_ON_RIGHT)) | HDF_STRING;
    WriteHeaderItem(header, column, item);
}

bool SortListCtrl::SetVirtualRowCount(int count) {
    if (!IsOwnerData() || count < 0) return false;
    return ::SendMessageA(hwnd(), LVM_SETITEMCOUNT, static_cast<WPARAM>(count), 0) != 0;
}

bool SortListCtrl::InsertVirtualRows(std::span<const std::size_t> inserted) {
    if (!IsOwnerData()) return false;
    if (inserted.empty()) return true;
    const int oldCount = RowCount();
    const auto newCount = static_cast<std::size_t>(oldCount) + inserted.size();
    if (inserted.back() >= newCount) return false;
    const auto selectedCount = static_cast<int>(::SendMessageA(hwnd(), LVM_GETSELECTEDCOUNT, 0, 0));
    const int top = static_cast<int>(::SendMessageA(hwnd(), LVM_GETTOPINDEX, 0, 0));
    // Every row keeps being drawn where it was; only what moved is drawn again.
    ::SendMessageA(hwnd(), LVM_SETITEMCOUNT, static_cast<WPARAM>(newCount), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    CarrySelectionOverInsertions(inserted, selectedCount == oldCount);
    // Wine scrolls a row that gets the focus into view; the page stays where the user left it.
    const int topNow = static_cast<int>(::SendMessageA(hwnd(), LVM_GETTOPINDEX, 0, 0));
    RECT row{};
    row.left = LVIR_BOUNDS;
    if (topNow != top && ::SendMessageA(hwnd(), LVM_GETITEMRECT, static_cast<WPARAM>(topNow), reinterpret_cast<LPARAM>(&row))) {
        ::SendMessageA(hwnd(), LVM_SCROLL, 0, (top - topNow) * (row.bottom - row.top));
    }
    RepaintFromRow(static_cast<int>(inserted.front()));
    return true;
}

// The list view keeps its states by index: rows from the first insertion on take them along.
void SortListCtrl::CarrySelectionOverInsertions(std::span<const std::size_t> inserted, bool allSelected) {
    const HWND list = hwnd();
    const auto first = static_cast<int>(inserted.front());
    const auto selectedCount = static_cast<int>(::SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
    if (selectedCount > 0 && allSelected) {
        // Everything was selected: so is every old row now, and none of the new ones. Row by row
        // past the old end only, as Wine selects a whole list row by row.
        const int rows = RowCount();
        for (int row = rows - static_cast<int>(inserted.size()); row < rows; ++row) SetRowState(list, row, LVIS_SELECTED, LVIS_SELECTED);
        for (const std::size_t row : inserted) SetRowState(list, static_cast<int>(row), 0, LVIS_SELECTED);
    } else if (selectedCount > 0) {
        std::vector<int> moving = SelectedRowsOf(list);
        moving.erase(moving.begin(), std::lower_bound(moving.begin(), moving.end(), first));
        for (const int row : moving) SetRowState(list, row, 0, LVIS_SELECTED);
        for (const int row : RowsAfterInsertions(moving, inserted)) SetRowState(list, row, LVIS_SELECTED, LVIS_SELECTED);
    }
    const int focused = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (focused >= first) {
        const int old[] = {focused};
        SetRowState(list, RowsAfterInsertions(old, inserted).front(), LVIS_FOCUSED, LVIS_FOCUSED);
    }
    const int mark = static_cast<int>(::SendMessageA(list, LVM_GETSELECTIONMARK, 0, 0));
    if (mark >= first) {
        const int old[] = {mark};
        ::SendMessageA(list, LVM_SETSELECTIONMARK, 0, RowsAfterInsertions(old, inserted).front());
    }
}

void SortListCtrl::RepaintFromRow(int row) {
    RECT area{};
    ::GetClientRect(hwnd(), &area);
    const int top = static_cast<int>(::SendMessageA(hwnd(), LVM_GETTOPINDEX, 0, 0));
    RECT bounds{};
    bounds.left = LVIR_BOUNDS;
    // Above the page every row shown has moved; below it nothing shown has.
    if (row > top && ::SendMessageA(hwnd(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds))) {
        area.top = std::max(area.top, bounds.top);
    }
    if (area.top < area.bottom) ::InvalidateRect(hwnd(), &area, FALSE);
}

SortState SortListCtrl::SortColumn() const {
    if (!sortable_) return {};
    const HWND header = IsAlive() ? Header() : nullptr;
    const int columns = ColumnCount();
    std::vector<std::intptr_t> values;
    values.reserve(static_cast<std::size_t>(columns));
    for (int column = 0; column < columns; ++column) values.push_back(ReadHeaderItem(header, column).lParam);
    return SortStateFromHeaderValues(values);
}

bool SortListCtrl::SetSortState(int column, bool ascending) {
    const int columns = ColumnCount();
    if (!sortable_ || column < 0 || column >= columns) return false;
    const HWND header = Header();
    // Someone may have given the header another image list in the meantime.
    ::SendMessageA(header, HDM_SETIMAGELIST, HDSIL_NORMAL, reinterpret_cast<LPARAM>(headerImages_.get()));
    for (int other = 0; other < columns; ++other) {
        if (other != column && ReadHeaderItem(header, other).lParam != kHeaderUnsorted) ClearSortMark(other);
    }
    HDITEMA item = ReadHeaderItem(header, column);
    item.lParam = HeaderValueFor(ascending);
    item.iImage = SortImageFor(ascending);
    item.fmt |= HDF_STRING | HDF_IMAGE | HDF_BITMAP_ON_RIGHT;
    WriteHeaderItem(header, column, item);
    return true;
}

void SortListCtrl::ClearSortState() {
    if (!sortable_) return;
    const HWND header = Header();
    for (int column = 0; column < ColumnCount(); ++column) {
        if (ReadHeaderItem(header, column).lParam != kHeaderUnsorted) ClearSortMark(column);
    }
}

bool SortListCtrl::SetSortColumn(int column, bool ascending) {
    if (!SetSortState(column, ascending)) return false;
    ::SendMessageA(::GetParent(hwnd()), kSortChangedMessage, 0, 0);
    return true;
}

bool SortListCtrl::Sort(int column, bool ascending) {
    const int rows = RowCount();
    if (rows <= 0 || !SetSortState(column, ascending)) return false;
    const WaitCursor wait;
    const RedrawPause pause(hwnd());
    if (!IsOwnerData()) {
        SortRows(column, ascending);
        return true;
    }
    std::vector<int> newToOld;
    if (!SortOwnerData(column, ascending, newToOld)) return false;
    if (newToOld.size() == static_cast<std::size_t>(rows)) CarrySelection(newToOld);
    return true;
}

bool SortListCtrl::SortAgain() {
    const SortState state = SortColumn();
    return state.column >= 0 && Sort(state.column, state.ascending);
}

std::string SortListCtrl::CellText(int row, int column) const {
    std::string text(static_cast<std::size_t>(kCellTextBuffer), '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = kCellTextBuffer;
    const auto length = ::SendMessageA(hwnd(), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(length, 0, kCellTextBuffer - 1)));
    if (const auto end = text.find('\0'); end != std::string::npos) text.resize(end);
    return std::string(SortKeyPrefix(text));
}

void SortListCtrl::SortRows(int column, bool ascending) {
    const HWND list = hwnd();
    const int rows = RowCount();
    std::vector<RowKey> keys(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        RowKey& key = keys[static_cast<std::size_t>(row)];
        key.key = CellText(row, column);
        key.data = RowData(list, row);
        key.position = row;
    }
    for (int row = 0; row < rows; ++row) SetRowData(list, row, reinterpret_cast<LPARAM>(&keys[static_cast<std::size_t>(row)]));

    SortContext context{this, column, ascending};
    ::SendMessageA(list, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context), reinterpret_cast<LPARAM>(&CompareRows));

    for (int row = 0; row < rows; ++row) {
        const auto* key = reinterpret_cast<const RowKey*>(RowData(list, row));
        if (key != nullptr) SetRowData(list, row, key->data);
    }
}

int CALLBACK SortListCtrl::CompareRows(LPARAM first, LPARAM second, LPARAM context) {
    const auto& sort = *reinterpret_cast<const SortContext*>(context);
    const auto& a = *reinterpret_cast<const RowKey*>(first);
    const auto& b = *reinterpret_cast<const RowKey*>(second);
    int order = sort.list->CompareSortKeys(sort.column, a.key, b.key);
    order = order < 0 ? -1 : (order > 0 ? 1 : 0);
    if (!sort.ascending) order = -order;
    // Equal rows keep the order they had, so sorting by one column after another nests.
    if (order == 0) order = a.position < b.position ? -1 : (a.position > b.position ? 1 : 0);
    return order;
}

namespace {

// Gives the focus back to the row that had it, wherever the reordering put it.
void CarryFocus(HWND list, int focused, const std::vector<int>& newToOld) {
    if (focused < 0) return;
    const int old[] = {focused};
    const std::vector<int> moved = RowsAfterReorder(old, newToOld);
    if (!moved.empty()) SetRowState(list, moved.front(), LVIS_FOCUSED, LVIS_FOCUSED);
}

}  // namespace

void SortListCtrl::KeepRows(const std::vector<int>& newToOld) {
    const HWND list = hwnd();
    const int oldRows = RowCount();
    const int top = static_cast<int>(::SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    const int focused = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    const auto selectedCount = static_cast<int>(::SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
    const bool allSelected = selectedCount > 0 && selectedCount == oldRows;
    const std::vector<int> selected = selectedCount > 0 && !allSelected ? SelectedRowsOf(list) : std::vector<int>{};

    DeselectAll(list);
    ::SendMessageA(list, LVM_SETITEMCOUNT, newToOld.size(), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    if (allSelected) SetRowState(list, -1, LVIS_SELECTED, LVIS_SELECTED);
    for (const int row : RowsAfterReorder(selected, newToOld)) SetRowState(list, row, LVIS_SELECTED, LVIS_SELECTED);
    CarryFocus(list, focused, newToOld);
    // The first row kept at or below the old first row shown is shown first.
    const auto wantedTop = static_cast<int>(std::lower_bound(newToOld.begin(), newToOld.end(), top) - newToOld.begin());
    const int nowTop = static_cast<int>(::SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    if (wantedTop != nowTop && ::SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row))) {
        ::SendMessageA(list, LVM_SCROLL, 0, (wantedTop - nowTop) * (row.bottom - row.top));
    }
    // Not WM_SETREDRAW around it: turning drawing back on makes some list views measure every row.
    ::InvalidateRect(list, nullptr, FALSE);
}

void SortListCtrl::CarrySelection(const std::vector<int>& newToOld) {
    const HWND list = hwnd();
    const int rows = RowCount();
    const int focused = static_cast<int>(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    const auto selectedCount = static_cast<int>(::SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
    // With no row or every row selected, only the focus moves.
    if (selectedCount > 0 && selectedCount < rows) {
        const std::vector<int> selected = SelectedRowsOf(list);
        DeselectAll(list);
        for (const int row : RowsAfterReorder(selected, newToOld)) SetRowState(list, row, LVIS_SELECTED, LVIS_SELECTED);
    }
    CarryFocus(list, focused, newToOld);
}

bool SortListCtrl::Select(int index, bool select, bool scroll, bool centre) {
    const int rows = RowCount();
    const int row = ClampRowIndex(index, rows);
    if (row < 0) return false;
    const HWND list = hwnd();
    if (!IsSingleSelection()) DeselectAll(list);
    if (!select) return true;
    SetRowState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    // A shift-click extends the selection from here.
    ::SendMessageA(list, LVM_SETSELECTIONMARK, 0, row);
    if (!scroll) return true;
    const int top = static_cast<int>(::SendMessageA(list, LVM_GETTOPINDEX, 0, 0));
    const int perPage = static_cast<int>(::SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
    const int target = ScrollTargetForRow(row, rows, top, perPage, centre);
    ::SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(target), FALSE);
    return true;
}

bool SortListCtrl::SelectAll(bool on) {
    if (!IsAlive() || IsSingleSelection()) return false;
    SetRowState(hwnd(), -1, on ? LVIS_SELECTED : 0, LVIS_SELECTED);
    return true;
}

int SortListCtrl::SelectedIndex(int start) const {
    if (RowCount() <= 0) return -1;
    return static_cast<int>(::SendMessageA(hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(start), LVNI_SELECTED));
}

std::vector<int> SortListCtrl::SelectedRows() const { return IsAlive() ? SelectedRowsOf(hwnd()) : std::vector<int>{}; }

bool SortListCtrl::IsSelected(int index) const {
    if (index < 0 || index >= RowCount()) return false;
    return ::SendMessageA(hwnd(), LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) != 0;
}

int SortListCtrl::CompareSortKeys(int, const std::string& first, const std::string& second) const noexcept {
    const int order = ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, first.c_str(), static_cast<int>(first.size()),
                                       second.c_str(), static_cast<int>(second.size()));
    return order == 0 ? 0 : order - CSTR_EQUAL;
}

bool SortListCtrl::SortOwnerData(int, bool, std::vector<int>&) { return false; }

void SortListCtrl::OnSortClicked(int, bool) {}

bool SortListCtrl::OnListNotify(NMHDR&, LRESULT&) { return false; }

LRESULT SortListCtrl::OnReflectedNotify(const ReflectedNotifyArgs& args) {
    if (args.header.code == LVN_COLUMNCLICK) {
        if (!sortable_) return 0;
        const auto& click = reinterpret_cast<const NMLISTVIEW&>(args.header);
        const SortState next = SortStateAfterClick(SortColumn(), click.iSubItem);
        if (SetSortColumn(next.column, next.ascending)) OnSortClicked(next.column, next.ascending);
        return 0;
    }
    LRESULT result = 0;
    OnListNotify(args.header, result);
    return result;
}
