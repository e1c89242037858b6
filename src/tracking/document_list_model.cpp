// The model's passes over the parsed history, cells on demand, and sorting by precomputed keys.
#include "tracking/document_list_model.h"

#include <algorithm>
#include <system_error>

#include "text/path_split.h"
#include "tracking/document_cells.h"

namespace {

PathPart RankedPart(int column) { return column == kColumnName ? PathPart::Name : PathPart::Folder; }

// 1 January 1970 00:00 UTC, where a missing document's empty date cells sort.
constexpr uint64_t kUnixEpochFileTime = 116'444'736'000'000'000ull;

// A history shorter than this parses about as fast as its cache would read.
constexpr uint64_t kHistoryCacheWorthBytes = uint64_t{1} << 20;

// Rows that appends can add before the list of rows has to move in memory.
constexpr size_t kAppendedRowsRoom = 4096;

}  // namespace

DocumentListModel::DocumentListModel(LegacyDecoder legacy, CheckStatuses checkNow, DateFormats formats)
    : index_(std::move(legacy)), checkNow_(std::move(checkNow)), formats_(std::move(formats)) {}

bool DocumentListModel::Attach(std::string_view programPath) {
    if (!history_.Locate(programPath)) return false;
    index_.SetCachePath(ReplaceExtension(history_.Path(), "idx"));
    return true;
}

bool DocumentListModel::SaveHistoryCache() {
    // A read still under way has nothing to keep yet.
    if (readAhead_.valid()) return true;
    return index_.SaveCacheIfStale(kHistoryCacheWorthBytes);
}

void DocumentListModel::ReadAhead(int sortColumn) {
    if (history_.Path().empty() || readAhead_.valid()) return;
    try {
        readAhead_ = std::async(std::launch::async, [this, sortColumn] {
            const HistoryIndex::Refresh refresh = index_.Update(history_.Path());
            // The first fill sorts at once: the ranks are ready by then, worked out while the
            // window was still being made (or read with the cache).
            if (sortColumn == kColumnName || sortColumn == kColumnFolder) index_.TextRanks(RankedPart(sortColumn));
            return refresh;
        });
    } catch (const std::system_error&) {
        // No thread to spare: the first pass reads the history itself.
    }
}

bool DocumentListModel::FinishReadAhead() {
    if (!readAhead_.valid()) return false;
    const HistoryIndex::Refresh refresh = readAhead_.get();
    return refresh == HistoryIndex::Refresh::Rebuilt || refresh == HistoryIndex::Refresh::Failed;
}

bool DocumentListModel::UpdateIndex() {
    const bool renumberedAhead = FinishReadAhead();
    const HistoryIndex::Refresh refresh = index_.Update(history_.Path());
    if (renumberedAhead || refresh == HistoryIndex::Refresh::Rebuilt || refresh == HistoryIndex::Refresh::Failed) {
        // Document and line numbers start afresh: nothing known under the old ones still applies,
        // and rows would point into lines that are gone.
        statuses_.ForgetAll();
        rows_.clear();
        tabPass_.lines.reset();
        rowPass_.lines.reset();
    }
    KeepPassesOverKeptLines();
    return refresh != HistoryIndex::Refresh::Failed;
}

DocumentExists DocumentListModel::ExistsQuery() {
    return [this](uint32_t document) {
        const FileStatus* status = Status(document);
        return status == nullptr || status->exists;
    };
}

DocumentListModel::PassResult DocumentListModel::BuildTabs(const DateFilter& dates, bool showDeleted) {
    if (history_.Path().empty()) return PassResult::NoHistory;
    tabs_.clear();
    tabPass_.lines.reset();
    if (!UpdateIndex()) return PassResult::ReadFailed;
    if (!showDeleted) {
        // The pass asks only until a type has a tab; asking for every document of these dates
        // now lets one round of answers settle all the tabs.
        for (const HistoryIndex::Line& line : index_.Lines()) {
            if (dates.Passes(line.day)) Status(line.document);
        }
    }
    for (const TabType& tab : SelectTabs(index_, dates, showDeleted, ExistsQuery())) {
        // The shell names a type by the extension as written ("DOCX File"), so the tab follows
        // the first line it stands for, not the first spelling anywhere in the history.
        tabs_.push_back({tab.extension, std::string(ExtensionAsWritten(index_.Document(tab.document).path))});
    }
    RememberTabPass(dates, showDeleted);
    return PassResult::Done;
}

DocumentListModel::PassResult DocumentListModel::Fill(const DateFilter& dates, int tab, const ViewSettings& view,
                                                      bool purge) {
    if (history_.Path().empty()) return PassResult::NoHistory;
    rows_.clear();
    sortedBy_.reset();
    rowPass_.lines.reset();
    if (!UpdateIndex()) return PassResult::ReadFailed;
    // A tab that no longer exists shows nothing rather than everything (and its rows are none
    // to purge).
    if (tab >= 0 && static_cast<size_t>(tab) >= tabs_.size()) return PassResult::Done;
    const uint32_t extension = tab < 0 ? kAllTypes : tabs_[static_cast<size_t>(tab)].extension;
    rows_ = SelectRows(index_, dates, extension, view, ExistsQuery());
    hidesDeleted_ = !view.showDeleted;
    // Room for the rows of later appends: moving a million rows to new memory costs an append
    // far more than placing its row.
    rows_.reserve(rows_.size() + kAppendedRowsRoom);
    if (!purge) {
        RememberRowPass(dates, tab, view);
        return PassResult::Done;
    }
    const std::optional<std::string> kept = HistoryWithoutLines(history_, rows_);
    if (!kept) return PassResult::ReadFailed;
    return history_.Rewrite(*kept) ? PassResult::Done : PassResult::SaveFailed;
}

bool DocumentListModel::TabExtension(int tab, std::string& extension) const {
    extension.clear();
    if (tab < 0 || static_cast<size_t>(tab) >= tabs_.size()) return false;
    extension = tabs_[static_cast<size_t>(tab)].text;
    return !extension.empty();
}

std::string DocumentListModel::RowPath(size_t row) const { return std::string(index_.Document(RowDocument(row)).path); }

const std::string& DocumentListModel::RowExtension(size_t row) const {
    static const std::string kNone;
    const uint32_t extension = index_.Document(RowDocument(row)).extension;
    return extension == HistoryIndex::kNoExtension ? kNone : index_.ExtensionText(extension);
}

uint32_t DocumentListModel::RowIdentity(size_t row) const { return index_.Document(RowDocument(row)).identity; }

bool DocumentListModel::RowExists(size_t row) {
    const FileStatus* status = Status(RowDocument(row));
    return status == nullptr || status->exists;
}

bool DocumentListModel::RowStatusKnown(size_t row) { return Status(RowDocument(row)) != nullptr; }

std::string DocumentListModel::CellText(size_t row, int column) {
    const HistoryIndex::Line& line = index_.Lines()[rows_.at(row)];
    const std::string_view path = index_.Document(line.document).path;
    switch (column) {
        case kColumnName: return SplitNameAndFolder(path).name;
        case kColumnFolder: return SplitNameAndFolder(path).folder;
        case kColumnAccessed: return formats_.day(line.day);
        default: break;
    }
    const FileStatus* status = Status(line.document);
    if (status == nullptr || !status->exists) return {};
    switch (column) {
        case kColumnSize: return std::to_string(SizeInKilobytes(status->size));
        case kColumnCreated: return formats_.fileTime(status->created);
        case kColumnModified: return formats_.fileTime(status->modified);
        default: return {};
    }
}

uint64_t DocumentListModel::NumericSortKey(const HistoryIndex::Line& line, int column) {
    if (column == kColumnAccessed) return static_cast<uint64_t>(static_cast<int64_t>(line.day) + (int64_t{1} << 40));
    // A document not known yet sorts as a missing one until its answer comes.
    const FileStatus* found = Status(line.document);
    const FileStatus status = found ? *found : FileStatus{};
    if (column == kColumnSize) return status.exists ? SizeInKilobytes(status.size) : 0;
    if (!status.exists) return kUnixEpochFileTime;
    return column == kColumnCreated ? status.created : status.modified;
}

void DocumentListModel::Sort(int column, bool ascending, std::vector<int>* newToOld) {
    if (column < 0 || column >= kColumnCount) return;
    // Rows an append brings later go where this order puts them, even into an empty list.
    sortedBy_ = SortOrder{column, ascending};
    if (rows_.empty()) return;
    const auto& lines = index_.Lines();
    std::vector<int> order(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);

    if (column == kColumnName || column == kColumnFolder) {
        // Ranks are small numbers: a counting sort keeps equal rows in order in linear time.
        const std::vector<uint32_t>& ranks = index_.TextRanks(RankedPart(column));
        const size_t buckets = ranks.size() + 1;
        std::vector<size_t> start(buckets + 1, 0);
        auto bucketOf = [&](int position) {
            const uint32_t rank = ranks[lines[rows_[static_cast<size_t>(position)]].document];
            return ascending ? rank : static_cast<uint32_t>(buckets - 1 - rank);
        };
        for (int position : order) ++start[bucketOf(position) + 1];
        for (size_t b = 1; b <= buckets; ++b) start[b] += start[b - 1];
        std::vector<int> sorted(order.size());
        for (int position : order) sorted[start[bucketOf(position)]++] = position;
        order = std::move(sorted);
    } else {
        std::vector<uint64_t> keys(rows_.size());
        for (size_t i = 0; i < rows_.size(); ++i) keys[i] = NumericSortKey(lines[rows_[i]], column);
        if (ascending) {
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
        } else {
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] > keys[b]; });
        }
    }
    std::vector<uint32_t> sortedRows(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) sortedRows[i] = rows_[static_cast<size_t>(order[i])];
    std::copy(sortedRows.begin(), sortedRows.end(), rows_.begin());  // keeping the room for appends
    if (newToOld) *newToOld = std::move(order);
}
