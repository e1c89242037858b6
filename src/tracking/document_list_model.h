// The document list model: the history turned into rows and type tabs under the filters and view
// settings it is given, kept as indices into the parsed history so that cells are formatted only
// when a row is drawn. Free of windows: icons, messages and the wait cursor belong to the pane.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tracking/file_status.h"
#include "tracking/history_file.h"
#include "tracking/history_index.h"
#include "tracking/history_view.h"

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

// How date cells are written: the user's formats in the program, fixed ones in tests.
struct DateFormats {
    std::function<std::string(int32_t day)> day;
    std::function<std::string(uint64_t utc)> fileTime;
};

class DocumentListModel {
public:
    enum class PassResult {
        Done,
        NoHistory,   // not attached: nothing was read, nothing to say
        ReadFailed,  // the history could not be read
        SaveFailed,  // a purge could not rewrite it
    };

    DocumentListModel(LegacyDecoder legacy, FileStatusCache status, DateFormats formats);
    DocumentListModel(const DocumentListModel&) = delete;
    DocumentListModel& operator=(const DocumentListModel&) = delete;

    // Places the history beside the program, creating it when missing. False for an empty path.
    bool Attach(std::string_view programPath);
    const HistoryFile& History() const { return history_; }

    // Rebuilds the type tabs for the dates: one per extension in order of first occurrence
    // among the lines that pass the date and existence tests.
    PassResult BuildTabs(const DateFilter& dates, bool showDeleted);

    // Rebuilds the rows for the dates and a tab (-1: all types). With `purge`, the lines shown
    // are removed from the history instead.
    PassResult Fill(const DateFilter& dates, int tab, const ViewSettings& view, bool purge);

    size_t TabCount() const { return tabs_.size(); }
    // The tab's extension without dots; false (and empty) for an index out of range.
    bool TabExtension(int tab, std::string& extension) const;

    size_t RowCount() const { return rows_.size(); }
    std::string CellText(size_t row, int column);
    std::string RowPath(size_t row) const;
    // The row's extension, without dot, as the history first writes it ("" for none): the
    // shell names and pictures a type by it.
    const std::string& RowExtension(size_t row) const;
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
    // in that range, in history order, with their extension as written (without dots). Reads
    // only what was appended to the history since the last pass; rows and tabs stay as they are.
    struct RecentDocument {
        std::string path;
        std::string extension;
    };
    std::vector<RecentDocument> RecentDocuments(int32_t firstDay, int32_t lastDay);

    // File status is kept for a few seconds; commands that change files forget it.
    void ForgetFileStatus() { status_.ForgetAll(); }

    // ---- After an append: the last passes extended over the new lines only ----
    // (document_list_model_append.cpp)
    //
    // Each returns nothing, changing nothing, when only a full pass can say what is shown: the
    // history was rewritten or could not be read, the last pass ran with other dates, tab or
    // view settings, or was a purge. The result then equals a full pass over the whole history,
    // as long as the documents' existence did not change.

    // The tabs the new lines add at the end (their number), as BuildTabs would find them.
    std::optional<size_t> ExtendTabs(const DateFilter& dates, bool showDeleted);
    // The rows the new lines add, placed where the last Sort would put them (after the rows
    // they compare equal to) or at the end when unsorted. Returns their positions, ascending.
    std::optional<std::vector<size_t>> ExtendRows(const DateFilter& dates, int tab, const ViewSettings& view);

private:
    // What a pass ran with and how many lines of the index it covered, so that it can be
    // carried on over appended lines; `lines` is cleared when those lines changed.
    struct TabPass {
        std::optional<size_t> lines;
        DateFilter dates;
        bool showDeleted = true;
    };
    struct RowPass {
        std::optional<size_t> lines;
        DateFilter dates;
        uint32_t extension = kAllTypes;  // of the tab shown
        ViewSettings view;
        std::vector<bool> shown;  // identities shown, with duplicates hidden
    };
    struct SortOrder {
        int column = 0;
        bool ascending = true;
    };
    void RememberTabPass(const DateFilter& dates, bool showDeleted);
    void RememberRowPass(const DateFilter& dates, int tab, const ViewSettings& view);
    // Forgets the passes that covered lines an update did not keep.
    void KeepPassesOverKeptLines();
    bool RowLess(const SortOrder& order, uint32_t first, uint32_t second);
    uint64_t NumericSortKey(const HistoryIndex::Line& line, int column);

    TabPass tabPass_;
    RowPass rowPass_;
    std::optional<SortOrder> sortedBy_;  // of the rows now; none in history order
    std::string foldedFirst_;  // scratch for comparing texts, kept to reuse its storage
    std::string foldedSecond_;

    // ---- end of the append block ----

    bool UpdateIndex();
    uint32_t RowDocument(size_t row) const { return index_.Lines()[rows_.at(row)].document; }
    const FileStatus& Status(uint32_t document);
    DocumentExists ExistsQuery();
    const std::vector<uint32_t>& TextRanks(int column);

    HistoryFile history_;
    HistoryIndex index_;
    FileStatusCache status_;
    DateFormats formats_;

    // Every document's rank by case-folded name and by folder, for sorting; rebuilt when
    // documents were added.
    std::vector<uint32_t> nameRanks_;
    std::vector<uint32_t> folderRanks_;

    struct Tab {
        uint32_t extension;
        std::string text;  // without dots, as the first line that passes writes it
    };
    std::vector<Tab> tabs_;
    std::vector<uint32_t> rows_;  // indices into index_.Lines()
};
