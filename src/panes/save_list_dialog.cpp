// The save-list dialog: the name comes from the history box or the save-as dialog; OK writes
// the list through a file beside the target, so a failed write never costs the old file.
#include "panes/save_list_dialog.h"

#include <windows.h>

#include <cstring>

#include "framework/message_box.h"
#include "framework/wait_cursor.h"
#include "language/message_table.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "text/placeholder.h"
#include "tracking/recent_scanner.h"
#include "tracking/replace_file.h"
#include "ui/folder_dialogs.h"
#include "ui/history_rules.h"

namespace {

constexpr int kItemsUsed[] = {IDC_SAVE_LIST_NAME, IDC_SAVE_LIST_BROWSE, IDC_SAVE_LIST_OPEN, IDOK};

}  // namespace

CDialogSaveList::CDialogSaveList() : DialogBase(IDD_SAVE_LIST), opener_(&ShellOpen) {}

const MessageMap& CDialogSaveList::Map() const {
    static constexpr NotifyEntry kNotifications[] = {
        route::Control<CBN_EDITCHANGE, IDC_SAVE_LIST_NAME, &CDialogSaveList::OnNameEdited>(),
        route::Control<CBN_SELCHANGE, IDC_SAVE_LIST_NAME, &CDialogSaveList::OnNamePicked>(),
    };
    static constexpr CommandEntry kCommands[] = {
        route::Command<IDC_SAVE_LIST_BROWSE, &CDialogSaveList::OnBrowse>(),
    };
    static const MessageMap kMap{
        .commands = kCommands, .notifications = kNotifications, .base = &DialogBase::Map()};
    return kMap;
}

bool CDialogSaveList::OnInitDialog() {
    if (!SetupFrame(IDI_SAVE_LIST, IDI_HELP_LINK, "save_list.htm")) return false;
    bool complete = static_cast<bool>(source_);
    for (const int id : kItemsUsed) complete = complete && Item(id) != nullptr;
    if (!complete) {
        End(IDCANCEL);
        return false;
    }
    // Before the history fills the box, or its entries would be taken for texts to translate.
    CurrentLanguage().TranslateWindow(true, true, hwnd(), IDD_SAVE_LIST);
    names_.Subclass(Item(IDC_SAVE_LIST_NAME));
    names_.Init("SaveFiles", kHistoryEntries, kHistoryTextLimit);
    SetChecked(IDC_SAVE_LIST_OPEN, SettingsStore().ReadFlag(Setting::FileOpen));
    UpdateOk(ItemText(IDC_SAVE_LIST_NAME));
    return true;
}

void CDialogSaveList::OnNameEdited() { UpdateOk(ItemText(IDC_SAVE_LIST_NAME)); }

void CDialogSaveList::OnNamePicked() {
    // The edit field takes the picked entry only after this notification.
    const HWND box = Item(IDC_SAVE_LIST_NAME);
    const LRESULT index = ::SendMessageA(box, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    const LRESULT length = ::SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return;
    std::string entry(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(::strlen(entry.c_str()));
    UpdateOk(entry);
}

void CDialogSaveList::UpdateOk(const std::string& name) {
    ::EnableWindow(Item(IDOK), TrimmedText(name).empty() ? FALSE : TRUE);
}

void CDialogSaveList::OnBrowse() {
    std::string chosen;
    {
        const ScanPause pause(scanner_);
        if (!AskFileName(true, chosen, MessageText(kMsgSaveListFilter), "htm", hwnd(), 1)) return;
    }
    const HWND box = Item(IDC_SAVE_LIST_NAME);
    const LRESULT index = ::SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
    if (index >= 0) ::SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SetItemText(IDC_SAVE_LIST_NAME, chosen);
    UpdateOk(chosen);
}

void CDialogSaveList::OnOK() {
    // Enter reaches here even while OK is greyed.
    if (!::IsWindowEnabled(Item(IDOK))) return;
    fileName_ = TrimmedText(ItemText(IDC_SAVE_LIST_NAME));
    if (fileName_.empty()) return;
    const bool openAfter = IsChecked(IDC_SAVE_LIST_OPEN);
    bool written = false;
    {
        const WaitCursor wait;
        SettingsStore().WriteNumber(Setting::FileOpen, openAfter ? 1 : 0);
        const std::string content = ListExportContent(source_(), ListExportFormatFor(fileName_));
        const ScanPause pause(scanner_);
        written = ReplaceFileContent(fileName_, content);
    }
    if (!written) {
        const ScanPause pause(scanner_);
        ShowError(hwnd(), FillPlaceholder(MessageText(kMsgCannotSaveList), fileName_));
    } else if (openAfter && opener_) {
        const WaitCursor wait;
        opener_(hwnd(), fileName_);
    }
    End(IDOK);
}
