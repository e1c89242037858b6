// SortListCtrl: a report-style list view whose column headers carry the sort state and show a
// sort arrow, toggled by clicking a header; an ordinary list or an owner-data (virtual) one.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <span>
#include <string>
#include <vector>

#include "framework/message_args.h"
#include "framework/private_messages.h"
#include "framework/subclass_window.h"
#include "framework/win_handles.h"
#include "ui/sort_rules.h"

// Usage, an ordinary list the parent sorts when the message arrives:
//
//   list.Setup(parent, IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, IDC_LIST);
//   list.AddColumn("Name", 200);
//   ... on kSortChangedMessage: list.SortAgain();
//
// A virtual list passes LVS_OWNERDATA to Setup, serves LVN_GETDISPINFO in OnListNotify and
// sorts its own rows in SortOwnerData. Sort state, selection and scrolling work for both kinds.
class SortListCtrl : public CSubclassWindow {
public:
    SortListCtrl() = default;
    ~SortListCtrl() override;

    // Makes the list view with `controlId` a child of `parent`, or takes over the parent's
    // existing child with that ID (one from a dialog template), and gives it the styles: child,
    // tab stop, report view, selection always shown, plus `extraStyle` (LVS_OWNERDATA,
    // LVS_SINGLESEL...); full-row selection and label tips. With both icon IDs the list is
    // sortable and its header gets the two arrows (16 x 16, ascending first); with either ID 0
    // the header is not clickable. False when the parent is not a window, an icon does not
    // load, or LVS_OWNERDATA is asked of an existing list that lacks it (it cannot be changed).
    bool Setup(HWND parent, int ascendingIconId, int descendingIconId, UINT controlId, DWORD extraStyle = 0);

    bool IsSortable() const { return sortable_; }
    // Draws the header's sort arrows again for a new display scale.
    bool ReloadHeaderImages(int dpi);
    bool IsOwnerData() const;
    bool IsSingleSelection() const;
    int ColumnCount() const;
    int RowCount() const;

    // Appends a left-aligned, unsorted column `width` pixels wide.
    bool AddColumn(const std::string& text, int width);
    // The number of rows of an owner-data list; its owner serves their texts.
    bool SetVirtualRowCount(int count);
    // The owner of an owner-data list inserted rows at `inserted` (their positions afterwards,
    // ascending). The list takes the new count without scrolling, keeps selection, focus and
    // selection mark on their rows and repaints only from the first new row down. False for a
    // list that is not owner data or positions beyond the new count.
    bool InsertVirtualRows(std::span<const std::size_t> inserted);

    // The sorted column (-1 when none, when the list has no columns or is not sortable).
    SortState SortColumn() const;
    // Marks `column` as sorted in the header (value and arrow) and clears the previous mark.
    // False, changing nothing, for a list that is not sortable or a column out of range.
    bool SetSortState(int column, bool ascending);
    // No column is marked as sorted; the rows stay as they are.
    void ClearSortState();
    // SetSortState, then tells the parent with kSortChangedMessage.
    bool SetSortColumn(int column, bool ascending);

    // Marks the column and reorders the rows by it, with the wait cursor and without redrawing
    // in between. An ordinary list compares the cell texts (their first kSortKeyLength
    // characters) with CompareSortKeys, keeping the previous order of equal rows; an owner-data
    // list hands the work to SortOwnerData. False for an empty list, a list without columns or
    // not sortable, or a column out of range.
    bool Sort(int column, bool ascending);
    // Sort by the state the header carries; false when no column is sorted.
    bool SortAgain();

    // The owner-data rows were thinned out: `newToOld` holds the old position of each row kept,
    // in order. Selection and focus stay on their rows, the first row shown stays the first of
    // those kept from there on, and only the rows shown are drawn again.
    void KeepRows(const std::vector<int>& newToOld);

    // Selects row `index` (clamped to the last row) alone and gives it the focus; a
    // single-selection list keeps its one selection rule. With `select` false every row is only
    // deselected. With `scroll` the row is scrolled into view, with `centre` towards the middle
    // of the page (see ScrollTargetForRow). False for an empty list or a negative index.
    bool Select(int index, bool select = true, bool scroll = true, bool centre = false);
    // Selects or deselects every row; not for a single-selection list.
    bool SelectAll(bool on);
    // The next selected row after `start` (-1: from the top), or -1.
    int SelectedIndex(int start = -1) const;
    // Every selected row, in order.
    std::vector<int> SelectedRows() const;
    bool IsSelected(int index) const;

protected:
    // Orders two cell texts of `column`: negative, 0 or positive. The default compares them
    // case-insensitively in the user's locale. Called from inside the list view's sort, so it
    // must not throw.
    virtual int CompareSortKeys(int column, const std::string& first, const std::string& second) const noexcept;
    // Sorts an owner-data list's rows by `column`; the control repaints afterwards. Filling
    // `newToOld` (the old position of the row now at each position, one entry per row) lets the
    // selection and focus follow their rows. False when nothing was sorted (the default).
    virtual bool SortOwnerData(int column, bool ascending, std::vector<int>& newToOld);
    // A header click has set the sort state and told the parent; a list that sorts itself does
    // so here.
    virtual void OnSortClicked(int column, bool ascending);
    // Every other notification the list sends its parent, reflected back (LVN_GETDISPINFO of an
    // owner-data list, NM_DBLCLK, NM_RCLICK...). True when handled; `result` is the answer.
    virtual bool OnListNotify(NMHDR& header, LRESULT& result);

    const MessageMap& Map() const override;

private:
    struct RowKey;
    LRESULT OnReflectedNotify(const ReflectedNotifyArgs& args);
    bool AdoptOrCreate(HWND parent, UINT controlId, DWORD style);
    bool LoadHeaderImages(int ascendingIconId, int descendingIconId, int size);
    HWND Header() const;
    // The header item shows text only and carries no sort value.
    void ClearSortMark(int column);
    void SortRows(int column, bool ascending);
    void CarrySelection(const std::vector<int>& newToOld);
    void CarrySelectionOverInsertions(std::span<const std::size_t> inserted, bool allSelected);
    void RepaintFromRow(int row);
    std::string CellText(int row, int column) const;
    static int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM context);

    UniqueImageList headerImages_;
    int ascendingIconId_ = 0;
    int descendingIconId_ = 0;
    bool sortable_ = false;
};
