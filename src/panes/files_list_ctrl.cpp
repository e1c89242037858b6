// The document list control: an owner-data view of the model, sorted by the model, with the
// Recent-folder scanner that records openings into the model's history.
#include "panes/files_list_ctrl.h"

#include <cstdint>

#include "settings/column_width_rules.h"
#include "settings/settings_store.h"
#include "framework/wait_cursor.h"
#include "language/message_table.h"
#include "language/message_text.h"
#include "panes/document_images.h"
#include "resource.h"
#include "tracking/document_list_model.h"
#include "tracking/recent_folder.h"

namespace {

constexpr unsigned kColumnHeadings[kColumnCount] = {kMsgColumnName,     kMsgColumnFolder,  kMsgColumnSize,
                                                    kMsgColumnAccessed, kMsgColumnCreated, kMsgColumnModified};
constexpr Setting kColumnWidths[kColumnCount] = {Setting::ColWidth0, Setting::ColWidth1, Setting::ColWidth2,
                                                 Setting::ColWidth3, Setting::ColWidth4, Setting::ColWidth5};
constexpr unsigned kOpenCommand = 57601;

}  // namespace

CFilesListCtrl::CFilesListCtrl(DocumentListModel& model, DocumentImages& images) : model_(model), images_(images) {}

CFilesListCtrl::~CFilesListCtrl() { watcher_.Stop(); }

bool CFilesListCtrl::Attach(HWND pane, HWND mainWindow, std::function<void()> onAppended) {
    mainWindow_ = mainWindow;
    if (!Setup(pane, IDI_SORT_ASCENDING, IDI_SORT_DESCENDING, kControlId, LVS_OWNERDATA)) return false;
    // The pane owns the icons (the tab strip shows them too): the list must not destroy them.
    ::SetWindowLongPtrA(hwnd(), GWL_STYLE, ::GetWindowLongPtrA(hwnd(), GWL_STYLE) | LVS_SHAREIMAGELISTS);
    ::SendMessageA(hwnd(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_.List()));
    const SettingsStore settings;
    for (int column = 0; column < kColumnCount; ++column) {
        std::string heading = MessageText(kColumnHeadings[column]);
        if (column == kColumnSize) heading += " (KB)";
        AddColumn(heading, ColumnWidthFromStored(settings.ReadNumber(kColumnWidths[column])));
    }
    appender_ = std::make_unique<HistoryAppender>(model_.History(), scanner_, hwnd(), std::move(onAppended));
    if (!scanner_.Attach(RecentFolderPath())) return false;
    watcher_.Start(mainWindow, scanner_.Folder());
    return true;
}

void CFilesListCtrl::ScanRecentFolder() {
    if (!::IsWindow(hwnd()) || !appender_) return;
    // Each recorded opening tells the main window, which places the new rows itself.
    scanner_.Scan(*appender_);
}

void CFilesListCtrl::ShowRows() {
    // LVSICF_NOSCROLL keeps the view where it was when the count changes under it.
    ::SendMessageA(hwnd(), LVM_SETITEMCOUNT, static_cast<WPARAM>(model_.RowCount()), LVSICF_NOSCROLL);
    ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void CFilesListCtrl::SortByStoredKey() {
    const SettingsStore settings;
    const uint32_t column = settings.ReadNumber(Setting::FilesSort);
    // A key that names no column (a hand edit) means no sort: the rows keep history order.
    if (column >= static_cast<uint32_t>(kColumnCount)) {
        ClearSortState();
        return;
    }
    Sort(static_cast<int>(column), settings.ReadFlag(Setting::FilesSortAsc));
}

int CFilesListCtrl::ColumnWidth(int column) const {
    return static_cast<int>(::SendMessageA(hwnd(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

bool CFilesListCtrl::SortOwnerData(int column, bool ascending, std::vector<int>& newToOld) {
    const WaitCursor wait;
    model_.Sort(column, ascending, &newToOld);
    ::InvalidateRect(hwnd(), nullptr, FALSE);
    return true;
}

void CFilesListCtrl::OnSortClicked(int column, bool ascending) {
    if (ColumnCount() == 0 || RowCount() == 0) return;  // the header changes, nothing is stored
    Sort(column, ascending);
    const SettingsStore settings;
    settings.WriteNumber(Setting::FilesSort, static_cast<uint32_t>(column));
    settings.WriteNumber(Setting::FilesSortAsc, ascending ? 1 : 0);
}

bool CFilesListCtrl::OnListNotify(NMHDR& header, LRESULT& result) {
    switch (header.code) {
        case LVN_GETDISPINFOA: {
            LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
            if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= model_.RowCount()) return true;
            if (item.mask & LVIF_TEXT) {
                cellBuffer_ = model_.CellText(static_cast<size_t>(item.iItem), item.iSubItem);
                item.pszText = cellBuffer_.data();
            }
            if (item.mask & LVIF_IMAGE) item.iImage = images_.ForRow(model_, static_cast<size_t>(item.iItem));
            result = 0;
            return true;
        }
        case NM_CUSTOMDRAW: {
            // A row whose document is still being checked is drawn greyed until its answer comes.
            NMLVCUSTOMDRAW& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
            if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
                result = CDRF_NOTIFYITEMDRAW;
                return true;
            }
            if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return false;
            const size_t row = draw.nmcd.dwItemSpec;
            if (row < model_.RowCount() && !model_.RowStatusKnown(row)) draw.clrText = ::GetSysColor(COLOR_GRAYTEXT);
            result = CDRF_DODEFAULT;
            return true;
        }
        case LVN_ITEMCHANGED: {
            // Row -1 stands for every row (select all, deselect all).
            const NMLISTVIEW& change = reinterpret_cast<NMLISTVIEW&>(header);
            const bool selection = (change.uChanged & LVIF_STATE) != 0 &&
                                   (change.iItem < 0 || ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) != 0);
            if (selection && onSelectionChanged_) onSelectionChanged_();
            return false;
        }
        case LVN_ODSTATECHANGED:
            if (onSelectionChanged_) onSelectionChanged_();
            return false;
        case NM_DBLCLK:
            ::SendMessageA(mainWindow_, WM_COMMAND, kOpenCommand, 0);
            result = 0;
            return true;
        case NM_RCLICK: {
            // The main window knows the commands and their states: it shows the menu.
            POINT cursor;
            ::GetCursorPos(&cursor);
            ::SendMessageA(mainWindow_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd()), MAKELPARAM(cursor.x, cursor.y));
            result = 1;
            return true;
        }
        default:
            return false;
    }
}
