// The main window's side of file status: questions go to the worker, answers come back as a
// message and change only what they touch (rows of documents now known to be gone leave a view
// that hides them); when nothing is outstanding, tabs and a sort by a file column follow.
#include "app/frame_application.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "settings/settings_store.h"
#include "tracking/document_list_model.h"
#include "tracking/system_file_status.h"

namespace {
// While the window is shown, what it shows is checked again this often (in status ticks).
constexpr int kDoubtEveryTicks = 600;
// Rows of documents known to be gone leave the view this often (in status ticks).
constexpr int kDropEveryTicks = 3;

bool SortsByFileColumn(const CFilesListCtrl& list) {
    const int column = list.SortColumn().column;
    return column == kColumnSize || column == kColumnCreated || column == kColumnModified;
}
}  // namespace

void CFrameApplication::StartStatusWorker() {
    const HWND window = hwnd();
    auto checker = std::make_shared<FolderStatusChecker>(SystemFolderServices());
    statusWorker_ = std::make_unique<FileStatusWorker>(
        [checker](const FolderGroup& group) { return checker->Check(group); },
        [window] { ::PostMessageA(window, WM_FILE_STATUSES, 0, 0); });
}

void CFrameApplication::AskForStatuses() {
    if (statusWorker_) statusWorker_->Ask(model_.TakeStatusQuestions());
}

// The status bar's tick while the window is shown: the questions the painting raised go out,
// and now and then everything shown is doubted.
void CFrameApplication::OnStatusTick() {
    if (++ticksSinceDoubt_ >= kDoubtEveryTicks) {
        ticksSinceDoubt_ = 0;
        model_.DoubtFileStatus();
        if (CFilesListCtrl* list = ListControl()) ::InvalidateRect(list->hwnd(), nullptr, FALSE);
    }
    if (ticksSinceDoubt_ % kDropEveryTicks == 0) DropVanishedRows();
    // The popup read a history that was replaced meanwhile: the rows shown named its old lines.
    CFilesListCtrl* list = ListControl();
    if (list != nullptr && static_cast<size_t>(list->RowCount()) != model_.RowCount()) RebuildView();
    AskForStatuses();
    UpdateCaptionAndStatus();
}

void CFrameApplication::DropVanishedRows() {
    std::vector<int> newToOld;
    const bool dropped = model_.DropVanishedRows(std::exchange(vanished_, {}), newToOld);
    CFilesListCtrl* list = ListControl();
    if (!dropped || list == nullptr) return;
    list->KeepRows(newToOld);
    files_.ShowOrHideTabStrip();
    selectionStale_ = true;
}

void CFrameApplication::OnFileStatuses() {
    if (!statusWorker_) return;
    const std::vector<StatusAnswer> answers = statusWorker_->TakeAnswers();
    const FileStatusBoard::Changes changes = model_.ApplyStatusAnswers(answers);
    statusRound_.answered |= !answers.empty();
    statusRound_.vanished |= !changes.vanished.empty();
    statusRound_.appeared |= changes.appeared;
    vanished_.insert(vanished_.end(), changes.vanished.begin(), changes.vanished.end());
    // Drawing the list costs a good part of a frame under some systems: only the rows on the
    // screen that an answer is about are worth it.
    if (CFilesListCtrl* list = ListControl()) {
        const auto top = static_cast<size_t>(std::max<LRESULT>(::SendMessageA(list->hwnd(), LVM_GETTOPINDEX, 0, 0), 0));
        const auto page = static_cast<size_t>(std::max<LRESULT>(::SendMessageA(list->hwnd(), LVM_GETCOUNTPERPAGE, 0, 0), 0)) + 1;
        if (model_.AnswersTouchRows(answers, top, page)) ::InvalidateRect(list->hwnd(), nullptr, FALSE);
    }
    selectionStale_ = true;
    if (model_.StatusesOutstanding() == 0) {
        DropVanishedRows();
        OnStatusesSettled();
    }
}

void CFrameApplication::OnStatusesSettled() {
    const StatusRound round = std::exchange(statusRound_, {});
    if (!files_.IsAlive() || !filter_.IsAlive()) return;
    const bool hidesDeleted = !Stored(Setting::ViewDeleted);
    // A document that came back belongs among rows it was never part of: only a new pass knows where.
    if (hidesDeleted && round.appeared) {
        RebuildView();
        return;
    }
    if (hidesDeleted && round.vanished) {
        // A type whose documents are all gone loses its tab; the tab pass is cheap, the list
        // is filled again only when the tabs changed.
        std::vector<std::string> before(model_.TabCount());
        for (size_t tab = 0; tab < before.size(); ++tab) model_.TabExtension(static_cast<int>(tab), before[tab]);
        const std::optional<DateFilter> dates = filter_.CurrentDateFilter();
        if (dates && files_.BuildTabs(*dates)) {
            std::vector<std::string> after(model_.TabCount());
            for (size_t tab = 0; tab < after.size(); ++tab) model_.TabExtension(static_cast<int>(tab), after[tab]);
            if (after != before) {
                ShowBuiltTabs();
                return;
            }
        }
    }
    CFilesListCtrl* list = ListControl();
    if (list != nullptr && round.answered && SortsByFileColumn(*list)) list->SortAgain();
}
