// The main window's side of file status: questions go to the worker, answers come back as a
// message and change only what they touch (rows of documents now known to be gone leave a view
// that hides them); when nothing is outstanding, tabs and a sort by a file column follow.
#include "app/frame_application.h"

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <optional>
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

// The worker's file system calls slow down the window's own calls into the system: while the
// window is hidden (and as it is made), its questions wait, and the first tick after it shows,
// once its first paint is done, sends them.
void CFrameApplication::AskForStatusesWhileShown() {
    if (::IsWindowVisible(hwnd())) AskForStatuses();
}

// The status bar's tick while the window is shown: what the answers changed is drawn, the
// questions the painting raised go out, and now and then everything shown is doubted. The worker
// waits while the tick paints: its calls into the system would make the window's own several
// times slower.
void CFrameApplication::OnStatusTick() {
    std::optional<FileStatusWorker::Pause> pause;
    if (statusWorker_) pause.emplace(*statusWorker_);
    CFilesListCtrl* list = ListControl();
    if (++ticksSinceDoubt_ >= kDoubtEveryTicks) {
        ticksSinceDoubt_ = 0;
        model_.DoubtFileStatus();
        if (list != nullptr) ::InvalidateRect(list->hwnd(), nullptr, FALSE);
    }
    if (ticksSinceDoubt_ % kDropEveryTicks == 0) DropVanishedRows();
    // A row dropped meanwhile moved the others: the list was redrawn whole anyway.
    const std::vector<size_t> answeredRows = std::exchange(answeredRows_, {});
    if (list != nullptr) {
        for (const size_t row : answeredRows) ::SendMessageA(list->hwnd(), LVM_REDRAWITEMS, row, static_cast<LPARAM>(row));
    }
    // The popup read a history that was replaced meanwhile: the rows shown named its old lines.
    if (list != nullptr && static_cast<size_t>(list->RowCount()) != model_.RowCount()) RebuildView();
    UpdateCaptionAndStatus();
    if (list != nullptr) ::UpdateWindow(list->hwnd());
    pause.reset();
    AskForStatuses();
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
    // screen that an answer is about are worth it, at the next tick.
    if (CFilesListCtrl* list = ListControl()) {
        const auto top = static_cast<size_t>(std::max<LRESULT>(::SendMessageA(list->hwnd(), LVM_GETTOPINDEX, 0, 0), 0));
        const auto page = static_cast<size_t>(std::max<LRESULT>(::SendMessageA(list->hwnd(), LVM_GETCOUNTPERPAGE, 0, 0), 0)) + 1;
        const std::vector<size_t> rows = model_.RowsAnswered(answers, top, page);
        answeredRows_.insert(answeredRows_.end(), rows.begin(), rows.end());
    }
    selectionStale_ = true;
    if (model_.StatusesOutstanding() == 0) OnStatusesSettled();
}

void CFrameApplication::OnStatusesSettled() {
    const StatusRound round = std::exchange(statusRound_, {});
    // A refill leaves out every row known to be gone: dropping them first would be wasted.
    if (RefillForSettledStatuses(round)) return;
    DropVanishedRows();
    CFilesListCtrl* list = ListControl();
    if (list != nullptr && round.answered && SortsByFileColumn(*list)) list->SortAgain();
}

bool CFrameApplication::RefillForSettledStatuses(const StatusRound& round) {
    if (!files_.IsAlive() || !filter_.IsAlive() || Stored(Setting::ViewDeleted)) return false;
    // A document that came back belongs among rows it was never part of: only a new pass knows where.
    if (round.appeared) return RebuildView();
    if (!round.vanished) return false;
    // A type whose documents are all gone loses its tab; the tab pass is cheap, the list is
    // filled again only when the tab shown changes its type.
    auto tabExtensions = [this] {
        std::vector<std::string> extensions(model_.TabCount());
        for (size_t tab = 0; tab < extensions.size(); ++tab) model_.TabExtension(static_cast<int>(tab), extensions[tab]);
        return extensions;
    };
    const std::vector<std::string> before = tabExtensions();
    const std::optional<DateFilter> dates = filter_.CurrentDateFilter();
    if (!dates || !files_.BuildTabs(*dates)) return false;
    const std::vector<std::string> after = tabExtensions();
    if (after == before) return false;
    const int position = std::max(files_.SelectedTab(), 0);
    const int tab = std::min(position, static_cast<int>(after.size()) - 1);
    const bool sameType = tab >= 0 && static_cast<size_t>(position) < before.size() &&
                          after[static_cast<size_t>(tab)] == before[static_cast<size_t>(position)];
    if (scanning_ || !(sameType || Stored(Setting::ViewTypesAll))) {
        ShowBuiltTabs();
        return true;
    }
    // The list keeps showing the same type: its rows are the ones it has less those now gone,
    // and only the strip changes.
    files_.ShowTabs();
    files_.SelectTab(tab);
    LayoutPanes();
    return false;
}
