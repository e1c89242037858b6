// The document list model: the history turned into rows and type tabs under the filters and view
// settings it is given, kept as indices into the parsed history so that cells are formatted only
// when a row is drawn. Free of windows: icons, messages and the wait cursor belong to the pane.
#pragma once

#include <cstdint>
#include <functional>
#include <future>
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

    // `checkNow` answers status questions on the calling thread; the passes never wait for it.
    DocumentListModel(LegacyDecoder legacy, CheckStatuses checkNow, DateFormats formats);
    DocumentListModel(const DocumentListModel&) = delete;
    DocumentListModel& operator=(const DocumentListModel&) = delete;

    // Places the history beside the program, creating it when missing, and its cache beside it.
    // False for an empty path.
    bool Attach(std::string_view programPath);
    // Starts reading the attached history on a thread of its own, so that the caller can build
    // its windows meanwhile; the next pass waits for it, then reads what changed since. When
    // the rows are to be sorted by a text column, its ranks are worked out there too.
    void ReadAhead(int sortColumn);
    // Keeps the parsed history for the next start when that saves reading it (see
    // HistoryIndex::SaveCacheIfStale); false when the cache could not be written.
    bool SaveHistoryCache();
    const HistoryFile& History() const { return history_; }

    // Rebuilds the type tabs for the dates: one per extension in order of first occurrence
    // among the lines that pass the date and existence tests. A document whose status is not
    // known yet passes the existence test until it is known (see the file status below).
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
    // False once the row's document is known to be missing.
    bool RowExists(size_t row);
    // Whether the row's document's status is known (the row is drawn as still being checked
    // until it is).
    bool RowStatusKnown(size_t row);
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
    // The statuses of those documents not known yet are learnt at once, folder by folder.
    struct RecentDocument {
        std::string path;
        std::string extension;
    };
    std::vector<RecentDocument> RecentDocuments(int32_t firstDay, int32_t lastDay);

    // File status. Passes, cells and sorting never wait for it: a document not known yet is
    // noted as wanted and counts as existing with empty cells. The owner takes the questions,
    // has them answered elsewhere and hands the answers back; statuses are kept until doubted.
    StatusQuestions TakeStatusQuestions();
    // Applies answers; the rows stay as they are.
    FileStatusBoard::Changes ApplyStatusAnswers(const std::vector<StatusAnswer>& answers);
    // With deleted documents hidden, the rows of these documents (known to be missing now) leave
    // the rows; `newToOld` receives the old position of each row kept, as Sort gives it. False
    // when no row left.
    bool DropVanishedRows(const std::vector<uint32_t>& vanishedDocuments, std::vector<int>& newToOld);
    size_t StatusesOutstanding() const { return statuses_.Outstanding(); }
    // The rows from `first` to `first + count - 1` whose documents the answers are about: only
    // those rows on the screen need drawing again.
    std::vector<size_t> RowsAnswered(const std::vector<StatusAnswer>& answers, size_t first, size_t count) const;
    // Every status is asked again when next wanted, and shown as it was until answered.
    void DoubtFileStatus() { statuses_.DoubtAll(); }
    // Learns the status of the documents with these paths (in any case) now, after a command
    // changed their files. Rows do not change: the caller rebuilds the view.
    void RecheckNow(const std::vector<std::string>& paths);

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
    // Learns at once the statuses not known yet of the documents of lines from `firstLine` on.
    void LearnStatusesFrom(size_t firstLine);
    bool RowLess(const SortOrder& order, uint32_t first, uint32_t second);
    uint64_t NumericSortKey(const HistoryIndex::Line& line, int column);

    TabPass tabPass_;
    RowPass rowPass_;
    std::optional<SortOrder> sortedBy_;  // of the rows now; none in history order
    std::string foldedFirst_;  // scratch for comparing texts, kept to reuse its storage
    std::string foldedSecond_;

    // ---- end of the append block ----

    bool UpdateIndex();
    // Waits for a read started by ReadAhead; true when it numbered documents and lines afresh.
    bool FinishReadAhead();
    uint32_t RowDocument(size_t row) const { return index_.Lines()[rows_.at(row)].document; }
    // The document's status, or nothing while it is not known.
    const FileStatus* Status(uint32_t document) { return statuses_.Find(document); }
    DocumentExists ExistsQuery();

    HistoryFile history_;
    HistoryIndex index_;
    FileStatusBoard statuses_;
    CheckStatuses checkNow_;
    bool hidesDeleted_ = false;  // the view settings of the last row pass
    DateFormats formats_;

    struct Tab {
        uint32_t extension;
        std::string text;  // without dots, as the first line that passes writes it
    };
    std::vector<Tab> tabs_;
    std::vector<uint32_t> rows_;  // indices into index_.Lines()

    // Last, so that it is waited for before the index it fills goes away.
    std::future<HistoryIndex::Refresh> readAhead_;
};
