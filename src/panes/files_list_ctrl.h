// The document list: an owner-data sortable list that shows the model's rows (cells formatted
// only when drawn) and carries the Recent-folder scanner and its watcher.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "tracking/history_appender.h"
#include "tracking/recent_scanner.h"
#include "tracking/recent_watcher.h"
#include "ui/sort_list_ctrl.h"

class DocumentImages;
class DocumentListModel;

class CFilesListCtrl : public SortListCtrl {
public:
    static constexpr UINT kControlId = 1032;

    // The row icons come from `images`, which the pane shares with its tab strip.
    CFilesListCtrl(DocumentListModel& model, DocumentImages& images);
    // Stops the watcher before the window goes.
    ~CFilesListCtrl() override;

    // Sets the list up in `pane` with the six columns (header texts from the message table,
    // widths from ColWidth0..5), finds the Recent folder, takes its first listing and starts
    // the watcher posting WM_RECENT_CHANGED to `mainWindow`. `onAppended` runs after every
    // recorded opening (the main window rebuilds its view). False when the pane is not a
    // window, the list cannot be set up or there is no Recent folder.
    bool Attach(HWND pane, HWND mainWindow, std::function<void()> onAppended);

    // The scan of the Recent folder, for the main window's WM_RECENT_CHANGED.
    void ScanRecentFolder();
    RecentScanner& Scanner() { return scanner_; }
    void StopWatcher() { watcher_.Stop(); }

    // Shows the model's current rows (after a fill), keeping no stale selection beyond them.
    void ShowRows();
    // Sorts by the stored FilesSort / FilesSortAsc.
    void SortByStoredKey();
    int ColumnWidth(int column) const;
    // Runs after every change of the selection, by input or by program.
    void SetSelectionChangedHandler(std::function<void()> handler) { onSelectionChanged_ = std::move(handler); }

protected:
    bool SortOwnerData(int column, bool ascending, std::vector<int>& newToOld) override;
    void OnSortClicked(int column, bool ascending) override;
    bool OnListNotify(NMHDR& header, LRESULT& result) override;

private:
    DocumentListModel& model_;
    DocumentImages& images_;
    HWND mainWindow_ = nullptr;
    RecentScanner scanner_;
    RecentWatcher watcher_;
    std::unique_ptr<HistoryAppender> appender_;
    std::function<void()> onSelectionChanged_;
    std::string cellBuffer_;  // text handed to the list view stays valid until the next request
};
