// The model's passes over the parsed history, cells on demand, and sorting by precomputed keys.
#include "tracking/document_list_model.h"

#include <algorithm>
#include <system_error>

#include "text/case_fold.h"
#include "text/path_split.h"
#include "tracking/document_cells.h"

namespace {

// 1 January 1970 00:00 UTC, where a missing document's empty date cells sort.
constexpr uint64_t kUnixEpochFileTime = 116'444'736'000'000'000ull;

// Rows that appends can add before the list of rows has to move in memory.
constexpr size_t kAppendedRowsRoom = 4096;

// Eight bytes of a text from `from` on as a number that orders as the bytes do, missing bytes
// counting as 0: of two texts, the one with the smaller number is the smaller one.
uint64_t LeadingBytes(std::string_view text, size_t from) {
    uint64_t bytes = 0;
    for (size_t i = from; i < from + 8; ++i) bytes = bytes << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return bytes;
}

// Every document's rank by its case-folded name or folder: equal texts share the rank of the
// first of them.
std::vector<uint32_t> RankTexts(const HistoryIndex& index, int column) {
    const size_t count = index.DocumentCount();
    // Every document's folded text goes into one buffer: one allocation for all of them.
    std::string texts;
    std::vector<std::pair<size_t, size_t>> spans(count);
    std::string folded;
    for (uint32_t document = 0; document < count; ++document) {
        const std::string_view path = index.Document(document).path;
        const size_t name = BaseNameOffset(path);
        FoldCaseInto(column == kColumnName ? path.substr(name) : path.substr(0, name), folded);
        spans[document] = {texts.size(), folded.size()};
        texts += folded;
    }
    // Most comparisons end within the first sixteen bytes, held as two numbers that order as
    // the bytes do; only texts equal that far are compared whole.
    struct Entry {
        uint64_t lead[2];
        std::string_view text;
        uint32_t document;
    };
    std::vector<Entry> order(count);
    for (uint32_t document = 0; document < count; ++document) {
        const std::string_view text = std::string_view(texts).substr(spans[document].first, spans[document].second);
        order[document] = {{LeadingBytes(text, 0), LeadingBytes(text, 8)}, text, document};
    }
    std::sort(order.begin(), order.end(), [](const Entry& a, const Entry& b) {
        if (a.lead[0] != b.lead[0]) return a.lead[0] < b.lead[0];
        if (a.lead[1] != b.lead[1]) return a.lead[1] < b.lead[1];
        return a.text < b.text;
    });
    std::vector<uint32_t> ranks(count, 0);
    for (uint32_t i = 0, rank = 0; i < count; ++i) {
        if (i > 0 && order[i].text != order[i - 1].text) rank = i;
        ranks[order[i].document] = rank;
    }
    return ranks;
}

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
    return index_.SaveCacheIfStale();
}

void DocumentListModel::ReadAhead(int sortColumn) {
    if (history_.Path().empty() || readAhead_.valid()) return;
    try {
        readAhead_ = std::async(std::launch::async, [this, sortColumn] {
            ReadAheadResult result;
            result.refresh = index_.Update(history_.Path());
            // The first fill sorts at once: the ranks are ready by then, worked out while the
            // window was still being made.
            if (sortColumn == kColumnName || sortColumn == kColumnFolder) {
                result.rankedColumn = sortColumn;
                result.ranks = RankTexts(index_, sortColumn);
            }
            return result;
        });
    } catch (const std::system_error&) {
        // No thread to spare: the first pass reads the history itself.
    }
}

bool DocumentListModel::UpdateIndex() {
    ReadAheadResult ahead;
    if (readAhead_.valid()) ahead = readAhead_.get();
    const bool renumberedAhead =
        ahead.refresh == HistoryIndex::Refresh::Rebuilt || ahead.refresh == HistoryIndex::Refresh::Failed;
    const HistoryIndex::Refresh refresh = index_.Update(history_.Path());
    if (renumberedAhead || refresh == HistoryIndex::Refresh::Rebuilt || refresh == HistoryIndex::Refresh::Failed) {
        // Document and line numbers start afresh: nothing known under the old ones still applies,
        // and rows would point into lines that are gone.
        statuses_.ForgetAll();
        rows_.clear();
        nameRanks_.clear();
        folderRanks_.clear();
        tabPass_.lines.reset();
        rowPass_.lines.reset();
    }
    // An append keeps every document the ranks were worked out for; documents it added make
    // TextRanks work them out again.
    if (ahead.rankedColumn >= 0 && refresh != HistoryIndex::Refresh::Rebuilt && refresh != HistoryIndex::Refresh::Failed) {
        (ahead.rankedColumn == kColumnName ? nameRanks_ : folderRanks_) = std::move(ahead.ranks);
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

const std::vector<uint32_t>& DocumentListModel::TextRanks(int column) {
    std::vector<uint32_t>& ranks = column == kColumnName ? nameRanks_ : folderRanks_;
    if (ranks.size() != index_.DocumentCount()) ranks = RankTexts(index_, column);
    return ranks;
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
        const std::vector<uint32_t>& ranks = TextRanks(column);
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
