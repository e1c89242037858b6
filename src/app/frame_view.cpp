// The main window's view: rebuilding tabs and rows, the view commands and their rules.
#include "app/frame_application.h"

#include <commctrl.h>

#include <algorithm>

#include "settings/settings_store.h"
#include "framework/wait_cursor.h"
#include "resource.h"
#include "tracking/document_list_model.h"

namespace {

void Toggle(Setting setting) {
    const SettingsStore store;
    store.WriteNumber(setting, store.ReadFlag(setting) ? 0 : 1);
}

// Shows or hides a child, storing the choice.
void ShowStored(HWND window, Setting setting, bool show) {
    SettingsStore().WriteNumber(setting, show ? 1 : 0);
    ::ShowWindow(window, show ? SW_SHOWNORMAL : SW_HIDE);
}

bool IsInside(HWND focus, HWND pane) {
    return pane != nullptr && focus != nullptr && (focus == pane || ::GetParent(focus) == pane);
}

}  // namespace

bool CFrameApplication::RebuildView() {
    // The panes ask for a rebuild as they are set up; one at the end of the creation serves all.
    if (creating_) return true;
    if (scanning_) {
        rebuildAfterScan_ = true;
        return true;
    }
    if (!files_.IsAlive() || !filter_.IsAlive()) return false;
    const std::optional<DateFilter> dates = filter_.CurrentDateFilter();
    if (!dates || !files_.BuildTabs(*dates)) return false;
    ShowBuiltTabs();
    return true;
}

void CFrameApplication::ShowBuiltTabs() {
    if (scanning_) {
        rebuildAfterScan_ = true;
        return;
    }
    viewStale_ = false;
    // The position carries over to the new tabs, not the document type: the tab control still
    // shows the old ones.
    const int position = std::max(files_.SelectedTab(), 0);
    files_.ShowTabs();
    const int tab = std::min(position, files_.TabCount() - 1);
    if (tab >= 0) files_.SelectTab(tab);
    FillList(Stored(Setting::ViewTypesAll) ? -1 : tab);
    LayoutPanes();
    AskForStatusesWhileShown();
}

void CFrameApplication::OnHistoryAppended() {
    if (IsAlive() && !::IsWindowVisible(hwnd())) {
        viewStale_ = true;
        return;
    }
    ExtendView();
}

bool CFrameApplication::ExtendView() {
    if (scanning_) {
        extendAfterScan_ = true;
        return true;
    }
    if (!files_.IsAlive() || !filter_.IsAlive()) return false;
    const std::optional<DateFilter> dates = filter_.CurrentDateFilter();
    if (!dates || !files_.ExtendTabs(*dates)) return RebuildView();
    // The tab a rebuild would fill: new tabs come at the end, so this is the one shown unless
    // the first tab just appeared.
    const int tab = Stored(Setting::ViewTypesAll) ? -1 : std::min(std::max(files_.SelectedTab(), 0), files_.TabCount() - 1);
    if (!files_.ExtendRows(*dates, tab)) return RebuildView();
    selectionStale_ = true;
    UpdateCaptionAndStatus();
    return true;
}

bool CFrameApplication::FillList(int tab) {
    CFilesListCtrl* list = ListControl();
    if (list == nullptr || !filter_.IsAlive()) return false;
    const WaitCursor wait;
    const std::vector<int> selected = list->SelectedRows();
    const int previous = selected.empty() ? -1 : selected.front();

    const std::optional<DateFilter> dates = filter_.CurrentDateFilter();
    if (!dates) return false;
    vanished_.clear();  // the new rows were chosen with every answer so far
    const bool filled = files_.Fill(*dates, tab, false);
    selectionStale_ = true;
    list->ShowRows();
    list->SortByStoredKey();
    const int rows = list->RowCount();
    if (rows > 0) list->Select(previous < 0 ? 0 : std::min(previous, rows - 1));
    files_.ShowOrHideTabStrip();
    AskForStatusesWhileShown();
    return filled;
}

bool CFrameApplication::ClearCurrentView() {
    if (!files_.IsAlive() || !filter_.IsAlive()) return false;
    const WaitCursor wait;
    const int tab = Stored(Setting::ViewTypesAll) ? -1 : files_.SelectedTab();
    const std::optional<DateFilter> dates = filter_.CurrentDateFilter();
    return dates && files_.Fill(*dates, tab, true);
}

bool CFrameApplication::HasSelectedDocuments(bool includeMissing) const {
    return files_.IsAlive() && files_.HasSelectedDocuments(includeMissing);
}

bool CFrameApplication::GetSelectedDocuments(std::vector<std::string>& paths, bool includeMissing) const {
    paths.clear();
    return files_.IsAlive() && files_.GetSelectedDocuments(paths, includeMissing);
}

const CFrameApplication::SelectionFacts& CFrameApplication::Selection() {
    if (!selectionStale_) return selection_;
    selection_ = {};
    CFilesListCtrl* list = ListControl();
    const int count = list ? static_cast<int>(::SendMessageA(list->hwnd(), LVM_GETSELECTEDCOUNT, 0, 0)) : 0;
    if (count > 0) {
        const CDialogFiles::DocumentCounts counts = files_.CountSelectedDocuments();
        selection_ = {count, counts.documents, counts.existing};
    }
    // A list that cannot report its changes (none yet) is asked again every time.
    selectionStale_ = list == nullptr;
    return selection_;
}

CFilesListCtrl* CFrameApplication::ListControl() { return files_.IsAlive() ? files_.ListControl() : nullptr; }

void CFrameApplication::ShowFilterPane(bool show) {
    if (!filter_.IsAlive()) return;
    ShowStored(filter_.hwnd(), Setting::ViewFilter, show);
    LayoutPanes();
}

void CFrameApplication::ShowToolBar(bool show) {
    if (!toolBar_ || !toolBar_->IsAlive()) return;
    ShowStored(toolBar_->hwnd(), Setting::ViewToolbar, show);
    LayoutPanes();
}

void CFrameApplication::ShowStatusBar(bool show) {
    if (!::IsWindow(statusBar_)) return;
    ShowStored(statusBar_, Setting::ViewStatusbar, show);
    LayoutPanes();
}

void CFrameApplication::SetTextLabels(bool on) {
    SettingsStore().WriteNumber(Setting::ViewTabText, on ? 1 : 0);
    if (files_.IsAlive()) files_.SetTextLabels(on);
}

void CFrameApplication::SortByKey(int key) {
    if (CFilesListCtrl* list = ListControl()) list->Sort(key, true);
}

void CFrameApplication::FocusFilesPane() {
    if (files_.IsAlive()) ::SetFocus(files_.hwnd());
}

void CFrameApplication::FocusFilterPane() {
    if (filter_.IsAlive() && ::IsWindowVisible(filter_.hwnd())) ::SetFocus(filter_.hwnd());
}

void CFrameApplication::OnToggleTypesAll() {
    Toggle(Setting::ViewTypesAll);
    RebuildView();
}

void CFrameApplication::OnToggleDuplicates() {
    Toggle(Setting::ViewDuplicates);
    RebuildView();
}

void CFrameApplication::OnToggleDeleted() {
    Toggle(Setting::ViewDeleted);
    RebuildView();
}

void CFrameApplication::OnToggleTabText() { SetTextLabels(!Stored(Setting::ViewTabText)); }

void CFrameApplication::OnToggleFilterPane() {
    // The focus must not stay in a pane that disappears.
    if (filter_.IsAlive() && ::IsWindowVisible(filter_.hwnd())) FocusFilesPane();
    ShowFilterPane(!Stored(Setting::ViewFilter));
}

void CFrameApplication::OnToggleStatusBar() { ShowStatusBar(!Stored(Setting::ViewStatusbar)); }
void CFrameApplication::OnToggleToolBar() { ShowToolBar(!Stored(Setting::ViewToolbar)); }
void CFrameApplication::OnToggleLargeIcons() { CreateToolBar(!Stored(Setting::ViewLarge)); }

void CFrameApplication::OnColorScheme(unsigned id) {
    switch (id) {
        case ID_VIEW_COLORS_ORIGINAL: ApplyColorScheme(2); break;
        case ID_VIEW_COLORS_MODERN: ApplyColorScheme(1); break;
        default: ApplyColorScheme(0); break;
    }
}

void CFrameApplication::OnSwitchToFilter() { FocusFilterPane(); }
void CFrameApplication::OnSwitchToList() { FocusFilesPane(); }

void CFrameApplication::OnSortBy(unsigned id) {
    if (const auto key = SortKeyOfCommand(id)) SortByKey(*key);
}

FocusPlace CFrameApplication::FocusPlaceNow() const {
    const HWND focus = ::GetFocus();
    if (filter_.IsAlive() && IsInside(focus, filter_.hwnd())) return FocusPlace::FilterPane;
    if (files_.IsAlive() && IsInside(focus, files_.hwnd())) return FocusPlace::FilesPane;
    return FocusPlace::Elsewhere;
}

// Only what the command's rule reads: the tool bar asks for its buttons whenever the program
// goes idle, and every setting costs a registry read.
CommandSnapshot CFrameApplication::Snapshot(unsigned command) {
    CommandSnapshot s;
    switch (command) {
        case ID_FILE_OPEN:
        case ID_FILE_COPY:
        case ID_FILE_MOVE:
        case ID_FILE_PRINT:
        case ID_FILE_DELETE:
        case ID_FILE_EXPLORE:
        case ID_FILE_INFO: {
            const SelectionFacts& selection = Selection();
            s.existingSelected = selection.existing > 0;
            s.anySelected = selection.documents > 0;
            s.selectedRows = selection.rows;
            return s;
        }
        case ID_POPUP_OPEN:
        case ID_POPUP_EXPLORE:
        case ID_POPUP_COPY:
        case ID_POPUP_MOVE:
        case ID_POPUP_PRINT:
        case ID_POPUP_DELETE:
        case ID_POPUP_INFO:
            if (RecentPopup* popup = Popup()) {
                s.popupExists = true;
                s.popupSelectedRows = static_cast<int>(::SendMessageA(popup->List(), LVM_GETSELECTEDCOUNT, 0, 0));
            }
            return s;
        case ID_FILE_SAVE_LIST:
        case ID_FILE_CLEAR_LIST: s.rowCount = files_.IsAlive() ? files_.RowCount() : 0; return s;
        default: break;
    }
    const SettingsStore store;
    s.typesAll = store.ReadFlag(Setting::ViewTypesAll);
    s.tabText = store.ReadFlag(Setting::ViewTabText);
    s.duplicates = store.ReadFlag(Setting::ViewDuplicates);
    s.deleted = store.ReadFlag(Setting::ViewDeleted);
    s.filterPane = store.ReadFlag(Setting::ViewFilter);
    s.statusBar = store.ReadFlag(Setting::ViewStatusbar);
    s.toolBar = store.ReadFlag(Setting::ViewToolbar);
    s.largeIcons = store.ReadFlag(Setting::ViewLarge);
    s.colorScheme = store.ReadNumber(Setting::ViewInterfaceColors);
    s.sortKey = store.ReadNumber(Setting::FilesSort);
    s.themed = theme_.IsThemed();
    s.focus = FocusPlaceNow();
    return s;
}

void CFrameApplication::UpdateByRule(CommandState& state) {
    const auto rule = RuleFor(state.Id(), Snapshot(state.Id()));
    if (!rule) return;
    if (rule->enabled) state.Enable(*rule->enabled);
    if (rule->checked) state.Check(*rule->checked);
}
