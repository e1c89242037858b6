// The model's passes over the parsed history, cells on demand, and sorting by precomputed keys.
#include "tracking/document_list_model.h"

#include <algorithm>

#include "resource.h"
#include "settings/settings_store.h"
#include "framework/message_box.h"
#include "framework/wait_cursor.h"
#include "language/message_table.h"
#include "language/message_text.h"
#include "text/case_fold.h"
#include "tracking/document_cells.h"
#include "text/legacy_code_page.h"
#include "text/locale_text.h"
#include "text/path_split.h"
#include "tracking/recent_scanner.h"
#include "tracking/system_file_status.h"

namespace {

// How long a document's file status is trusted before it is asked again.
constexpr uint64_t kStatusLifetimeMs = 10'000;

// 1 January 1970 00:00 UTC, where a missing document's empty date cells sort.
constexpr uint64_t kUnixEpochFileTime = 116'444'736'000'000'000ull;

UniqueImageList MakeSmallIconList() {
    return UniqueImageList(::ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1));
}

}  // namespace

DocumentListModel::DocumentListModel()
    : index_(&DecodeLegacyAnsi), status_(MakeSystemFileStatusCache(kStatusLifetimeMs)) {}

DocumentListModel::~DocumentListModel() = default;

bool DocumentListModel::Attach(const std::string& programPath, HWND owner) {
    owner_ = owner;
    images_ = MakeSmallIconList();
    types_ = std::make_unique<ShellTypes>(images_.get());
    UniqueIcon missing(static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MISSING_DOCUMENT), IMAGE_ICON, 16, 16, 0)));
    missingImage_ = missing ? ::ImageList_AddIcon(images_.get(), missing.get()) : -1;
    return history_.Locate(programPath);
}

void DocumentListModel::SetScanEnabled(bool enabled) const {
    if (scanner_) scanner_->SetScanEnabled(enabled);
}

void DocumentListModel::ReportReadFailure() const { ShowError(owner_, MessageText(kMsgCannotReadHistory)); }

bool DocumentListModel::UpdateIndex() {
    if (history_.Path().empty()) return false;
    const HistoryIndex::Refresh refresh = index_.Update(history_.Path());
    if (refresh == HistoryIndex::Refresh::Rebuilt || refresh == HistoryIndex::Refresh::Failed) {
        // Document numbers start afresh: nothing known under the old ones still applies.
        status_.ForgetAll();
        nameRanks_.clear();
        folderRanks_.clear();
    }
    if (refresh != HistoryIndex::Refresh::Failed) return true;
    ReportReadFailure();
    return false;
}

const FileStatus& DocumentListModel::Status(uint32_t document) {
    return status_.Get(document, index_.Document(document).path);
}

DocumentExists DocumentListModel::ExistsQuery() {
    return [this](uint32_t document) { return Status(document).exists; };
}

bool DocumentListModel::BuildTabs(const DateFilter& dates) {
    if (history_.Path().empty()) return false;
    WaitCursor wait;
    SetScanEnabled(false);
    tabs_.clear();
    const bool read = UpdateIndex();
    if (read) {
        const bool showDeleted = SettingsStore().ReadFlag(Setting::ViewDeleted);
        for (const TabType& tab : SelectTabs(index_, dates, showDeleted, ExistsQuery())) {
            // The shell names a type by the extension as written ("DOCX File"), so the tab follows
            // the first line it stands for, not the first spelling anywhere in the history.
            std::string text(ExtensionAsWritten(index_.Document(tab.document).path));
            const ShellTypes::Type& type = types_->ForExtension(text);
            tabs_.push_back({tab.extension, std::move(text), type.name, type.image});
        }
    }
    SetScanEnabled(true);
    return read;
}

bool DocumentListModel::Fill(const DateFilter& dates, int tab, bool purge) {
    if (history_.Path().empty()) return false;
    WaitCursor wait;
    SetScanEnabled(false);
    rows_.clear();
    bool done = UpdateIndex();
    if (done) {
        const SettingsStore settings;
        const ViewSettings view{settings.ReadFlag(Setting::ViewDuplicates),
                                settings.ReadFlag(Setting::ViewDeleted)};
        uint32_t extension = kAllTypes;
        if (tab >= 0) {
            // A tab that no longer exists shows nothing rather than everything.
            extension = static_cast<size_t>(tab) < tabs_.size() ? tabs_[static_cast<size_t>(tab)].extension
                                                                 : HistoryIndex::kNoExtension;
        }
        rows_ = SelectRows(index_, dates, extension, view, ExistsQuery());
        if (purge) {
            const std::optional<std::string> kept = HistoryWithoutLines(history_, rows_);
            if (!kept) {
                ReportReadFailure();
                done = false;
            } else if (!history_.Rewrite(*kept)) {
                ShowError(owner_, MessageText(kMsgCannotSaveHistory));
                done = false;
            }
        }
    }
    SetScanEnabled(true);
    return done;
}

bool DocumentListModel::TabExtension(int tab, std::string& extension) const {
    extension.clear();
    if (tab < 0 || static_cast<size_t>(tab) >= tabs_.size()) return false;
    extension = tabs_[static_cast<size_t>(tab)].text;
    return !extension.empty();
}

const std::string& DocumentListModel::TabTypeName(size_t tab) const { return tabs_.at(tab).typeName; }

int DocumentListModel::TabImage(size_t tab) const { return tabs_.at(tab).image; }

std::string DocumentListModel::RowPath(size_t row) const {
    return index_.Document(index_.Lines()[rows_.at(row)].document).path;
}

uint32_t DocumentListModel::RowIdentity(size_t row) const {
    return index_.Document(index_.Lines()[rows_.at(row)].document).identity;
}

bool DocumentListModel::RowExists(size_t row) { return Status(index_.Lines()[rows_.at(row)].document).exists; }

std::string DocumentListModel::CellText(size_t row, int column) {
    const HistoryIndex::Line& line = index_.Lines()[rows_.at(row)];
    const std::string& path = index_.Document(line.document).path;
    switch (column) {
        case kColumnName: return SplitNameAndFolder(path).name;
        case kColumnFolder: return SplitNameAndFolder(path).folder;
        case kColumnAccessed: return FormatDay(line.day);
        default: break;
    }
    const FileStatus& status = Status(line.document);
    if (!status.exists) return {};
    switch (column) {
        case kColumnSize: return std::to_string(SizeInKilobytes(status.size));
        case kColumnCreated: return FormatFileTime(status.created);
        case kColumnModified: return FormatFileTime(status.modified);
        default: return {};
    }
}

int DocumentListModel::RowImage(size_t row) {
    const uint32_t document = index_.Lines()[rows_.at(row)].document;
    if (!Status(document).exists) return missingImage_;
    const uint32_t extension = index_.Document(document).extension;
    return types_->ForExtension(extension == HistoryIndex::kNoExtension ? std::string()
                                                                           : index_.ExtensionText(extension))
        .image;
}

const std::vector<uint32_t>& DocumentListModel::TextRanks(int column) {
    std::vector<uint32_t>& ranks = column == kColumnName ? nameRanks_ : folderRanks_;
    const size_t count = index_.DocumentCount();
    if (ranks.size() == count) return ranks;
    // Every document's folded text goes into one buffer: one allocation for all of them.
    std::string texts;
    std::vector<std::pair<size_t, size_t>> spans(count);
    std::string folded;
    for (uint32_t document = 0; document < count; ++document) {
        const std::string_view path = index_.Document(document).path;
        const size_t name = BaseNameOffset(path);
        FoldCaseInto(column == kColumnName ? path.substr(name) : path.substr(0, name), folded);
        spans[document] = {texts.size(), folded.size()};
        texts += folded;
    }
    std::vector<std::pair<std::string_view, uint32_t>> order(count);
    for (uint32_t document = 0; document < count; ++document) {
        order[document] = {std::string_view(texts).substr(spans[document].first, spans[document].second), document};
    }
    std::sort(order.begin(), order.end());
    ranks.assign(count, 0);
    for (uint32_t i = 0, rank = 0; i < count; ++i) {
        if (i > 0 && order[i].first != order[i - 1].first) rank = i;
        ranks[order[i].second] = rank;
    }
    return ranks;
}

void DocumentListModel::Sort(int column, bool ascending, std::vector<int>* newToOld) {
    if (rows_.empty() || column < 0 || column >= kColumnCount) return;
    WaitCursor wait;
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
        for (size_t i = 0; i < rows_.size(); ++i) {
            const HistoryIndex::Line& line = lines[rows_[i]];
            if (column == kColumnAccessed) {
                keys[i] = static_cast<uint64_t>(static_cast<int64_t>(line.day) + (int64_t{1} << 40));
                continue;
            }
            const FileStatus& status = Status(line.document);
            if (column == kColumnSize) {
                keys[i] = status.exists ? SizeInKilobytes(status.size) : 0;
            } else {
                keys[i] = !status.exists ? kUnixEpochFileTime : column == kColumnCreated ? status.created : status.modified;
            }
        }
        if (ascending) {
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
        } else {
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] > keys[b]; });
        }
    }
    std::vector<uint32_t> sortedRows(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) sortedRows[i] = rows_[static_cast<size_t>(order[i])];
    rows_ = std::move(sortedRows);
    if (newToOld) *newToOld = std::move(order);
}
