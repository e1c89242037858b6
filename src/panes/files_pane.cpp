// The files pane: lays out tab strip and list, turns tab picks into refills, and answers which
// documents are selected.
#include "panes/files_pane.h"

#include <commctrl.h>

#include <unordered_set>

#include "settings/settings_store.h"
#include "framework/display_dpi.h"
#include "framework/program_path.h"
#include "resource.h"
#include "text/case_fold.h"
#include "tracking/document_list_model.h"
#include "tracking/history_file.h"
#include "ui/dialog_units.h"

namespace {
// Width of an icon-only tab, in horizontal dialog units.
constexpr int kIconTabWidth = 22;
// Gap above the tab strip and between it and the list, in vertical dialog units.
constexpr int kGap = 2;
}  // namespace

CDialogFiles::CDialogFiles(DocumentListModel& model, FilesPaneHost& host)
    : CDialog(IDD_FILES_PANE), model_(model), host_(host), list_(model, images_) {}

const MessageMap& CDialogFiles::Map() const {
    static constexpr MessageEntry kMessages[] = {route::Message<WM_SIZE, &CDialogFiles::OnSize>()};
    static constexpr NotifyEntry kNotes[] = {route::Notify<TCN_SELCHANGE, IDC_FILES_TABS, &CDialogFiles::OnTabChanged>()};
    static constexpr MessageMap kMap{.messages = kMessages, .notifications = kNotes};
    return kMap;
}

bool CDialogFiles::CreatePane(HWND frame) {
    if (!Create(frame)) return false;
    ::SetWindowLongPtrA(hwnd(), GWLP_ID, kChildId);
    return true;
}

bool CDialogFiles::OnInitDialog() {
    tabs_ = Item(IDC_FILES_TABS);
    const HWND mainWindow = ::GetAncestor(hwnd(), GA_ROOT);
    StartReadingHistory();
    images_.Create(SystemMetricForDpi(SM_CXSMICON, DpiOfWindow(hwnd())));
    list_.Attach(hwnd(), mainWindow, [this] { host_.OnHistoryAppended(); });
    ::SendMessageA(tabs_, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.List()));
    ShowOrHideTabStrip();
    return false;
}

void CDialogFiles::StartReadingHistory() {
    if (!model_.History().Path().empty()) return;
    // The history exists before the first scan can append to it, and is read while the
    // window builds the rest of itself; the ranks of the stored sort come along.
    model_.Attach(ProgramPath());
    model_.ReadAhead(static_cast<int>(SettingsStore().ReadNumber(Setting::FilesSort)));
}

int CDialogFiles::SelectedTab() const {
    if (!::IsWindow(tabs_)) return 0;
    return static_cast<int>(::SendMessageA(tabs_, TCM_GETCURSEL, 0, 0));
}

int CDialogFiles::TabCount() const {
    return ::IsWindow(tabs_) ? static_cast<int>(::SendMessageA(tabs_, TCM_GETITEMCOUNT, 0, 0)) : 0;
}

void CDialogFiles::SelectTab(int tab) {
    if (tab >= 0 && tab < TabCount()) ::SendMessageA(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
}

CDialogFiles::TabLabel CDialogFiles::LabelOf(size_t tab, bool withNames) const {
    return {withNames ? tabTypes_[tab].name : std::string(), tabTypes_[tab].image};
}

void CDialogFiles::InsertTab(size_t position, TabLabel& label) {
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = label.text.data();
    item.iImage = label.image;
    ::SendMessageA(tabs_, TCM_INSERTITEMA, position, reinterpret_cast<LPARAM>(&item));
}

void CDialogFiles::ShowTabs() {
    if (!::IsWindow(tabs_)) return;
    const bool withNames = SettingsStore().ReadFlag(Setting::ViewTabText);
    std::vector<TabLabel> labels;
    labels.reserve(tabTypes_.size());
    for (size_t tab = 0; tab < tabTypes_.size(); ++tab) labels.push_back(LabelOf(tab, withNames));
    // A rebuild (another filter, a view setting) rarely changes the tabs: refilling the strip
    // costs the tab control a layout per tab.
    if (labels != shownTabs_ || TabCount() != static_cast<int>(labels.size())) {
        ::SendMessageA(tabs_, WM_SETREDRAW, FALSE, 0);
        ::SendMessageA(tabs_, TCM_DELETEALLITEMS, 0, 0);
        for (size_t tab = 0; tab < labels.size(); ++tab) InsertTab(tab, labels[tab]);
        ::SendMessageA(tabs_, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(tabs_, nullptr, TRUE);
        shownTabs_ = std::move(labels);
    }
    if (TabCount() > 0) ::SendMessageA(tabs_, TCM_SETCURSEL, 0, 0);
}

std::string CDialogFiles::TabTypeName(int tab) const {
    if (tab < 0 || static_cast<size_t>(tab) >= tabTypes_.size()) return {};
    return tabTypes_[static_cast<size_t>(tab)].name;
}

int CDialogFiles::RowCount() const { return ::IsWindow(list_.hwnd()) ? list_.RowCount() : 0; }

bool CDialogFiles::ListIsEmpty() const { return ::IsWindow(list_.hwnd()) && list_.RowCount() == 0; }

bool CDialogFiles::GetSelectedDocuments(std::vector<std::string>& paths, bool includeMissing) const {
    paths.clear();
    if (!::IsWindow(list_.hwnd())) return false;
    std::unordered_set<std::string> seen;
    for (int row : list_.SelectedRows()) {
        if (static_cast<size_t>(row) >= model_.RowCount()) break;  // the history was replaced under the list
        std::string path = model_.RowPath(static_cast<size_t>(row));
        if (!seen.insert(FoldCase(path)).second) continue;
        if (!includeMissing && !FileExists(path)) continue;
        paths.push_back(std::move(path));
    }
    return !paths.empty();
}

CDialogFiles::DocumentCounts CDialogFiles::CountSelectedDocuments() const {
    DocumentCounts counts;
    if (!::IsWindow(list_.hwnd())) return counts;
    std::vector<bool> seen(model_.IdentityCount(), false);
    for (int row : list_.SelectedRows()) {
        const auto at = static_cast<size_t>(row);
        if (at >= model_.RowCount()) break;  // the history was replaced under the list
        const uint32_t identity = model_.RowIdentity(at);
        if (seen[identity]) continue;
        seen[identity] = true;
        ++counts.documents;
        if (model_.RowExists(at)) ++counts.existing;
    }
    return counts;
}

bool CDialogFiles::HasSelectedDocuments(bool includeMissing) const {
    std::vector<std::string> paths;
    return GetSelectedDocuments(paths, includeMissing);
}

CFilesListCtrl* CDialogFiles::ListControl() { return ::IsWindow(list_.hwnd()) ? &list_ : nullptr; }

void CDialogFiles::ShowOrHideTabStrip() {
    if (!::IsWindow(tabs_) || !::IsWindow(list_.hwnd())) return;
    const bool allTypes = SettingsStore().ReadFlag(Setting::ViewTypesAll);
    ::ShowWindow(tabs_, list_.RowCount() == 0 || allTypes ? SW_HIDE : SW_SHOW);
    ::UpdateWindow(tabs_);
    Layout();
}

void CDialogFiles::SetTextLabels(bool on) {
    if (!::IsWindow(tabs_)) return;
    LONG_PTR style = ::GetWindowLongPtrA(tabs_, GWL_STYLE);
    style = on ? (style & ~static_cast<LONG_PTR>(TCS_FIXEDWIDTH)) : (style | TCS_FIXEDWIDTH);
    ::SetWindowLongPtrA(tabs_, GWL_STYLE, style);
    if (!on) ::SendMessageA(tabs_, TCM_SETITEMSIZE, 0, MAKELPARAM(DialogUnitsToPixels(kIconTabWidth, true), 0));
    if (TabCount() > 0) host_.RebuildView();
}

void CDialogFiles::ApplyDpi(int dpi) {
    images_.Resize(SystemMetricForDpi(SM_CXSMICON, dpi));
    // Handing the same list over again makes both controls measure rows and tabs anew.
    ::SendMessageA(list_.hwnd(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images_.List()));
    ::SendMessageA(tabs_, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.List()));
    list_.ReloadHeaderImages(dpi);
    Layout();
    ::InvalidateRect(hwnd(), nullptr, TRUE);
}

void CDialogFiles::Layout() {
    if (!::IsWindow(list_.hwnd())) return;
    RECT client;
    ::GetClientRect(hwnd(), &client);
    RECT tabRect;
    ::GetWindowRect(tabs_, &tabRect);
    const int tabHeight = tabRect.bottom - tabRect.top;
    const int gap = DialogUnitsToPixels(kGap, false);
    ::MoveWindow(tabs_, client.left, client.top + gap, client.right - client.left, tabHeight, TRUE);
    int top = client.top;
    // The same test that hides the tab strip.
    if (list_.RowCount() > 0 && !SettingsStore().ReadFlag(Setting::ViewTypesAll)) top += tabHeight + gap;
    ::MoveWindow(list_.hwnd(), client.left, top, client.right - client.left, client.bottom - top, TRUE);
}

LRESULT CDialogFiles::OnSize(const SizeArgs&) {
    Layout();
    return 0;
}

LRESULT CDialogFiles::OnTabChanged(NMHDR&) {
    const int tab = SelectedTab();
    if (tab >= 0) host_.FillList(tab);
    return 0;
}
