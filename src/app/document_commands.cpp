#include "app/document_commands.h"

#include "app/frame_application.h"
#include "framework/message_box.h"
#include "framework/wait_cursor.h"
#include "language/message_text.h"
#include "panes/copy_move_dialog.h"
#include "panes/document_info_dialog.h"
#include "panes/list_export_source.h"
#include "panes/save_list_dialog.h"
#include "resource.h"
#include "text/path_split.h"
#include "text/placeholder.h"
#include "tracking/document_list_model.h"
#include "tracking/recycle_bin.h"
#include "ui/shell_open.h"

namespace {

constexpr unsigned kAskDelete = 1800;
constexpr unsigned kCannotDelete = 1810;
constexpr unsigned kAskClear = 1870;

}  // namespace

DocumentCommands::DocumentCommands(CFrameApplication& frame, DocumentListModel& model)
    : frame_(frame), model_(model) {}

HWND DocumentCommands::Owner() const { return frame_.IsAlive() ? frame_.hwnd() : nullptr; }

void DocumentCommands::RunVerbOnEach(const char* verb, const std::vector<std::string>& targets, HWND owner) {
    for (const std::string& target : targets) {
        const WaitCursor wait;
        ShellRunVerb(owner, verb, target);
    }
}

void DocumentCommands::Open(const std::vector<std::string>& paths) { RunVerbOnEach("open", paths, nullptr); }

void DocumentCommands::Print(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    RunVerbOnEach("print", paths, nullptr);
    frame_.RebuildView();
}

void DocumentCommands::Explore(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    std::vector<std::string> folders;
    folders.reserve(paths.size());
    for (const std::string& path : paths) {
        const PathParts parts = SplitPath(path);
        folders.push_back(parts.drive + parts.folder);
    }
    RunVerbOnEach("open", folders, nullptr);
    frame_.RebuildView();
}

void DocumentCommands::RebuildAfterFileChanges(const std::vector<std::string>& paths) {
    model_.RecheckNow(paths);
    frame_.RebuildView();
}

void DocumentCommands::Delete(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    const HWND owner = Owner();
    if (!AskOkCancel(owner, MessageText(kAskDelete))) return;
    for (const std::string& path : paths) {
        const RecycleResult result = SendToRecycleBin(owner, path);
        if (result == RecycleResult::Declined) break;
        if (result == RecycleResult::Failed) {
            ShowError(owner, FillPlaceholder(MessageText(kCannotDelete), path));
            break;
        }
    }
    RebuildAfterFileChanges(paths);
}

void DocumentCommands::Info(const std::vector<std::string>& paths) {
    if (paths.empty()) return;
    CDialogDocumentInfo dialog;
    if (dialog.SetPath(paths.front())) dialog.DoModal(Owner());
}

void DocumentCommands::CopyOrMove(const std::vector<std::string>& paths, bool move) {
    CDialogCopyMove dialog;
    if (!dialog.SetSources(paths, move ? TransferMode::Move : TransferMode::Copy)) return;
    if (dialog.DoModal(Owner()) == IDOK && move) RebuildAfterFileChanges(paths);
}

void DocumentCommands::SaveList() {
    CFilesListCtrl* list = frame_.ListControl();
    if (list == nullptr) return;
    CDialogSaveList dialog;
    dialog.SetSource([&] { return ListExportTableOf(list->hwnd(), model_); });
    dialog.SetScanner(&list->Scanner());
    dialog.DoModal(Owner());
}

void DocumentCommands::ClearList() {
    if (!AskOkCancel(Owner(), MessageText(kAskClear))) return;
    frame_.ClearCurrentView();
    frame_.RebuildView();
}

void DocumentCommands::RunPopupCommand(unsigned command, const std::vector<std::string>& paths) {
    switch (command) {
        case ID_POPUP_EXPLORE: Explore(paths); break;
        case ID_POPUP_INFO: Info(paths); break;
        case ID_POPUP_COPY: CopyOrMove(paths, false); break;
        case ID_POPUP_MOVE: CopyOrMove(paths, true); break;
        case ID_POPUP_PRINT: Print(paths); break;
        case ID_POPUP_DELETE: Delete(paths); break;
        default: break;
    }
}
