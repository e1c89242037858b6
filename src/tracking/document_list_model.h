// The document list model: the history turned into rows and type tabs under the current
// filters, kept as indices into the parsed history so that cells are formatted only when a
// row is drawn. One model per program.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/win_handles.h"
#include "tracking/file_status.h"
#include "tracking/history_file.h"
#include "tracking/history_index.h"
#include "tracking/history_view.h"
#include "tracking/shell_types.h"

class RecentScanner;

// The document list's columns, in order.
enum DocumentColumn : int {
    kColumnName = 0,
    kColumnFolder,
    kColumnSize,
    kColumnAccessed,
    kColumnCreated,
    kColumnModified,
    kColumnCount
};

class DocumentListModel {
public:
    DocumentListModel();
    ~DocumentListModel();
    DocumentListModel(const DocumentListModel&) = delete;
    DocumentListModel& operator=(const DocumentListModel&) = delete;

    // Places the history beside the program (creating it when missing) and makes the image
    // lists. `owner` is the window failure messages belong to. False for an empty path.
    bool Attach(const std::string& programPath, HWND owner);
    const HistoryFile& History() const { return history_; }

    // Passes suspend this scanner, since failure messages pump messages.
    void SetScanner(RecentScanner* scanner) { scanner_ = scanner; }

    // Rebuilds the type tabs for the dates: one per extension in order of first occurrence
    // among the lines that pass the date and existence tests. False, after saying so, when the
    // history cannot be read.
    bool BuildTabs(const DateFilter& dates);

    // Rebuilds the rows for the dates and a tab (-1: all types). With `purge`, the lines shown
    // are removed from the history instead (the rows are not kept). False, after saying so,
    // when the history cannot be read or rewritten.
    bool Fill(const DateFilter& dates, int tab, bool purge);

    size_t TabCount() const { return tabs_.size(); }
    // The tab's extension without dots; false (and empty) for an index out of range.
    bool TabExtension(int tab, std::string& extension) const;
    const std::string& TabTypeName(size_t tab) const;
    int TabImage(size_t tab) const;
    HIMAGELIST TabImages() const { return images_.get(); }

    size_t RowCount() const { return rows_.size(); }
    std::string CellText(size_t row, int column);
    int RowImage(size_t row);
    HIMAGELIST RowImages() const { return images_.get(); }
    std::string RowPath(size_t row) const;
    bool RowExists(size_t row);
    // Equal for rows of the same document, whatever the case of its path; below IdentityCount.
    uint32_t RowIdentity(size_t row) const;
    size_t IdentityCount() const { return index_.IdentityCount(); }

    // Orders the rows by a column. Names and folders compare without regard to case, sizes
    // as numbers, dates by time; a missing document's empty cells count as 1 January 1970.
    // Rows that compare equal keep their history order. `newToOld`, when given, receives the
    // old position of the row now at each position.
    void Sort(int column, bool ascending, std::vector<int>* newToOld = nullptr);

    // The existing documents opened from `firstDay` to `lastDay`, each once at its first line
    // in that range, in history order, with their type's image in RowImages. Reads only what
    // was appended to the history since the last pass; rows and tabs are left as they are.
    struct RecentDocument {
        std::string path;
        int image = -1;
    };
    std::vector<RecentDocument> RecentDocuments(int32_t firstDay, int32_t lastDay);

    // File status is kept for a few seconds; commands that change files forget it.
    void ForgetFileStatus() { status_.ForgetAll(); }

private:
    bool UpdateIndex();
    const FileStatus& Status(uint32_t document);
    DocumentExists ExistsQuery();
    const std::vector<uint32_t>& TextRanks(int column);
    void ReportReadFailure() const;
    void SetScanEnabled(bool enabled) const;

    HistoryFile history_;
    HistoryIndex index_;
    FileStatusCache status_;
    HWND owner_ = nullptr;
    RecentScanner* scanner_ = nullptr;

    // One small icon per document type, shared by rows and tabs and kept for the whole run:
    // the shell answers for an extension once.
    UniqueImageList images_;
    std::unique_ptr<ShellTypes> types_;
    int missingImage_ = -1;

    // Every document's rank by case-folded name and by folder, for sorting; rebuilt when
    // documents were added.
    std::vector<uint32_t> nameRanks_;
    std::vector<uint32_t> folderRanks_;

    struct Tab {
        uint32_t extension;
        std::string text;      // without dots, as the first line that passes writes it
        std::string typeName;  // the shell's name for it
        int image;
    };
    std::vector<Tab> tabs_;
    std::vector<uint32_t> rows_;  // indices into index_.Lines()
};
