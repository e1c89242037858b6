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
