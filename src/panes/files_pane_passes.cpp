// The files pane runs the model's passes: it hands over the view settings and answers for the
// window's side of them (cursor, scanner, messages, the types' names and icons).
#include "panes/files_pane.h"

#include "framework/message_box.h"
#include "framework/wait_cursor.h"
#include "language/message_table.h"
#include "language/message_text.h"
#include "settings/settings_store.h"

bool CDialogFiles::Report(DocumentListModel::PassResult result) const {
    using Result = DocumentListModel::PassResult;
    switch (result) {
        case Result::Done:
            return true;
        case Result::NoHistory:
            return false;
        case Result::ReadFailed:
            ShowError(::GetAncestor(hwnd(), GA_ROOT), MessageText(kMsgCannotReadHistory));
            return false;
        case Result::SaveFailed:
            ShowError(::GetAncestor(hwnd(), GA_ROOT), MessageText(kMsgCannotSaveHistory));
            return false;
    }
    return false;
}

bool CDialogFiles::BuildTabs(const DateFilter& dates) {
    const WaitCursor wait;
    // A failure message pumps messages: a change of the Recent folder noticed meanwhile must not
    // start a scan in the middle of the pass.
    const ScanPause pause(list_.Scanner());
    const auto result = model_.BuildTabs(dates, SettingsStore().ReadFlag(Setting::ViewDeleted));
    tabTypes_.clear();
    std::string extension;
    for (size_t tab = 0; tab < model_.TabCount(); ++tab) {
        model_.TabExtension(static_cast<int>(tab), extension);
        tabTypes_.push_back(images_.ForExtension(extension));
    }
    return Report(result);
}

bool CDialogFiles::Fill(const DateFilter& dates, int tab, bool purge) {
    const WaitCursor wait;
    const ScanPause pause(list_.Scanner());
    const SettingsStore settings;
    const ViewSettings view{settings.ReadFlag(Setting::ViewDuplicates), settings.ReadFlag(Setting::ViewDeleted)};
    return Report(model_.Fill(dates, tab, view, purge));
}

bool CDialogFiles::ExtendTabs(const DateFilter& dates) {
    if (!::IsWindow(tabs_)) return false;
    const size_t shown = tabTypes_.size();
    // The strip must show the model's tabs as they were, or new ones cannot simply follow.
    if (shownTabs_.size() != shown || TabCount() != static_cast<int>(shown)) return false;
    const std::optional<size_t> added = model_.ExtendTabs(dates, SettingsStore().ReadFlag(Setting::ViewDeleted));
    if (!added) return false;
    const bool withNames = SettingsStore().ReadFlag(Setting::ViewTabText);
    std::string extension;
    for (size_t tab = shown; tab < shown + *added; ++tab) {
        model_.TabExtension(static_cast<int>(tab), extension);
        tabTypes_.push_back(images_.ForExtension(extension));
        shownTabs_.push_back(LabelOf(tab, withNames));
        InsertTab(tab, shownTabs_.back());
    }
    return true;
}

bool CDialogFiles::ExtendRows(const DateFilter& dates, int tab) {
    const size_t before = model_.RowCount();
    if (!::IsWindow(list_.hwnd()) || list_.RowCount() != static_cast<int>(before)) return false;
    const SettingsStore settings;
    const ViewSettings view{settings.ReadFlag(Setting::ViewDuplicates), settings.ReadFlag(Setting::ViewDeleted)};
    const std::optional<std::vector<size_t>> added = model_.ExtendRows(dates, tab, view);
    if (!added) return false;
    if (added->empty()) return true;
    if (before > 0) return list_.InsertVirtualRows(*added);
    // The first rows: shown, and the first selected, as a fill would leave them.
    list_.ShowRows();
    list_.Select(0);
    ShowOrHideTabStrip();
    return true;
}
