// The copy/move dialog: the target folder with its history and browser, and the run on OK.
#include "panes/copy_move_dialog.h"

#include <utility>

#include "framework/message_box.h"
#include "framework/wait_cursor.h"
#include "framework/window_text.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "panes/system_document_files.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "ui/folder_dialogs.h"
#include "ui/history_rules.h"

namespace {

constexpr char kHelpTopic[] = "copy_move.htm";
constexpr char kFolderList[] = "MoveCopyFolders";

constexpr unsigned kMoveCaption = 1820;
constexpr unsigned kCopyCaption = 1830;
constexpr unsigned kMoveFailed = 1840;
constexpr unsigned kCopyFailed = 1850;
constexpr unsigned kCompleted = 1860;

}  // namespace

CDialogCopyMove::CDialogCopyMove() : DialogBase(IDD_COPY_MOVE) {}

bool CDialogCopyMove::SetSources(std::vector<std::string> sources, TransferMode mode) {
    if (hwnd() != nullptr || sources.empty()) return false;
    sources_ = std::move(sources);
    mode_ = mode;
    return true;
}

const MessageMap& CDialogCopyMove::Map() const {
    static constexpr NotifyEntry kNotifications[] = {
        route::Control<CBN_EDITCHANGE, IDC_COPY_MOVE_FOLDER, &CDialogCopyMove::OnFolderEdited>(),
        route::Control<CBN_SELCHANGE, IDC_COPY_MOVE_FOLDER, &CDialogCopyMove::OnFolderChosen>(),
    };
    static constexpr CommandEntry kCommands[] = {
        route::Command<IDC_COPY_MOVE_BROWSE, &CDialogCopyMove::OnBrowse>(),
    };
    static const MessageMap kMap{
        .commands = kCommands, .notifications = kNotifications, .base = &DialogBase::Map()};
    return kMap;
}

bool CDialogCopyMove::OnInitDialog() {
    if (sources_.empty() || Item(IDC_COPY_MOVE_FOLDER) == nullptr) {
        End(IDCANCEL);
        return false;
    }
    if (!SetupFrame(IDI_COPY, IDI_HELP_LINK, kHelpTopic)) return false;
    ::SetWindowTextA(hwnd(), MessageText(mode_ == TransferMode::Move ? kMoveCaption : kCopyCaption).c_str());
    CurrentLanguage().TranslateWindow(true, true, hwnd(), IDD_COPY_MOVE);
    // After the translation, which would take the remembered folders for texts to translate.
    folders_.Subclass(Item(IDC_COPY_MOVE_FOLDER));
    folders_.Init(kFolderList, kHistoryEntries, kHistoryTextLimit);
    SetChecked(IDC_COPY_MOVE_OVERWRITE, SettingsStore().ReadNumber(Setting::FileOverwrite) != 0);
    TakeFolderText(WindowText(folders_.hwnd()));
    return true;
}

void CDialogCopyMove::OnFolderEdited() { TakeFolderText(WindowText(folders_.hwnd())); }

// The edit field still shows the old text when the choice is reported: read the chosen entry.
void CDialogCopyMove::OnFolderChosen() {
    const auto index = ::SendMessageA(folders_.hwnd(), CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    const auto length = ::SendMessageA(folders_.hwnd(), CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const auto copied = ::SendMessageA(folders_.hwnd(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    TakeFolderText(text);
}

void CDialogCopyMove::TakeFolderText(std::string_view text) {
    folder_ = TrimmedText(text);
    ::EnableWindow(Item(IDOK), folder_.empty() ? FALSE : TRUE);
}

void CDialogCopyMove::OnBrowse() {
    std::string path = folder_;
    // No write test: a folder the system refuses is reported by the run like any failure.
    if (!BrowseFolder("", path, false, hwnd())) return;
    const auto index = ::SendMessageA(folders_.hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    if (index >= 0) ::SendMessageA(folders_.hwnd(), CB_SETCURSEL, index, 0);
    TakeFolderText(WindowText(folders_.hwnd()));
}

void CDialogCopyMove::OnOK() {
    // Enter reaches here even while OK is greyed.
    if (folder_.empty()) return;
    const bool overwrite = IsChecked(IDC_COPY_MOVE_OVERWRITE);
    {
        const WaitCursor wait;
        SettingsStore().WriteNumber(Setting::FileOverwrite, overwrite ? 1 : 0);
        SystemDocumentFiles files;
        outcome_ = TransferDocuments(sources_, folder_, mode_, overwrite, files);
    }
    if (outcome_.succeeded) {
        ShowMessage(hwnd(), MessageText(kCompleted), MB_OK | MB_ICONINFORMATION);
    } else {
        ShowMessage(hwnd(), MessageText(mode_ == TransferMode::Move ? kMoveFailed : kCopyFailed), MB_OK | MB_ICONERROR);
    }
    End(IDOK);
}
