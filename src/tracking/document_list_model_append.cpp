// The model's passes carried on over appended lines: a recorded opening costs the new lines,
// not the whole history. Whatever the last full pass cannot vouch for falls back to it.
#include "tracking/document_list_model.h"

#include <unordered_set>

#include "text/case_fold.h"
#include "text/path_split.h"
#include "tracking/row_merge.h"

namespace {

// The part of a path that a name or folder sort compares, folded as the sort's ranks fold it.
void FoldedSortText(std::string_view path, int column, std::string& out) {
    const size_t name = BaseNameOffset(path);
    FoldCaseInto(column == kColumnName ? path.substr(name) : path.substr(0, name), out);
}

}  // namespace

void DocumentListModel::RememberTabPass(const DateFilter& dates, bool showDeleted) {
    tabPass_ = {index_.Lines().size(), dates, showDeleted};
}

void DocumentListModel::RememberRowPass(const DateFilter& dates, int tab, const ViewSettings& view) {
    rowPass_.lines = index_.Lines().size();
    rowPass_.dates = dates;
    rowPass_.extension = tab < 0 ? kAllTypes : tabs_[static_cast<size_t>(tab)].extension;
    rowPass_.view = view;
    rowPass_.shown.clear();
    // Once per document: the rows are the documents shown, so this costs no more than they do.
    if (!view.showDuplicates) {
        rowPass_.shown.assign(index_.IdentityCount(), false);
        for (const uint32_t line : rows_) rowPass_.shown[index_.Document(index_.Lines()[line].document).identity] = true;
    }
}

void DocumentListModel::LearnStatusesFrom(size_t firstLine) {
    if (!checkNow_) return;
    std::vector<StatusRequest> unknown;
    std::unordered_set<uint32_t> asked;
    const auto& lines = index_.Lines();
    for (size_t line = firstLine; line < lines.size(); ++line) {
        const uint32_t document = lines[line].document;
        if (statuses_.Peek(document) != nullptr || !asked.insert(document).second) continue;
        unknown.push_back(statuses_.RequestFor(document, index_.Document(document).path));
    }
    if (!unknown.empty()) statuses_.Settle(checkNow_(unknown));
}

void DocumentListModel::KeepPassesOverKeptLines() {
    const size_t kept = index_.KeptLines();
    if (tabPass_.lines && *tabPass_.lines > kept) tabPass_.lines.reset();
    if (rowPass_.lines && *rowPass_.lines > kept) rowPass_.lines.reset();
}

std::optional<size_t> DocumentListModel::ExtendTabs(const DateFilter& dates, bool showDeleted) {
    if (history_.Path().empty() || !UpdateIndex()) return std::nullopt;
    if (!tabPass_.lines || !(tabPass_.dates == dates) || tabPass_.showDeleted != showDeleted) return std::nullopt;
    // The documents of a few recorded openings, just opened and so on a drive that answers, are
    // checked at once: the rows and tabs they bring are then final, as a full pass would have them.
    LearnStatusesFrom(*tabPass_.lines);
    std::vector<bool> seen;
    for (const Tab& tab : tabs_) {
        if (seen.size() <= tab.extension) seen.resize(tab.extension + 1, false);
        seen[tab.extension] = true;
    }
    const std::vector<TabType> added = SelectTabsFrom(index_, static_cast<uint32_t>(*tabPass_.lines), dates, showDeleted,
                                                      ExistsQuery(), seen);
    for (const TabType& tab : added) {
        tabs_.push_back({tab.extension, std::string(ExtensionAsWritten(index_.Document(tab.document).path))});
    }
    tabPass_.lines = index_.Lines().size();
    return added.size();
}

std::optional<std::vector<size_t>> DocumentListModel::ExtendRows(const DateFilter& dates, int tab,
                                                                 const ViewSettings& view) {
    if (history_.Path().empty() || !UpdateIndex()) return std::nullopt;
    if (!rowPass_.lines || !(rowPass_.dates == dates) || !(rowPass_.view == view)) return std::nullopt;
    if (tab >= 0 && static_cast<size_t>(tab) >= tabs_.size()) return std::nullopt;
    const uint32_t extension = tab < 0 ? kAllTypes : tabs_[static_cast<size_t>(tab)].extension;
    if (extension != rowPass_.extension) return std::nullopt;
    LearnStatusesFrom(*rowPass_.lines);

    std::vector<uint32_t> added = SelectRowsFrom(index_, static_cast<uint32_t>(*rowPass_.lines), dates, extension,
                                                 view, ExistsQuery(), rowPass_.shown);
    rowPass_.lines = index_.Lines().size();
    if (!sortedBy_) {
        std::vector<size_t> positions;
        for (const uint32_t line : added) {
            positions.push_back(rows_.size());
            rows_.push_back(line);
        }
        return positions;
    }
    // The ranks of a name or folder sort are rebuilt by the next full sort once documents were
    // added (their count no longer matches); a few new rows compare their texts instead.
    const SortOrder order = *sortedBy_;
    return MergeSortedRows(rows_, std::move(added), [this, order](uint32_t first, uint32_t second) {
        return RowLess(order, first, second);
    });
}

bool DocumentListModel::RowLess(const SortOrder& order, uint32_t first, uint32_t second) {
    const HistoryIndex::Line& a = index_.Lines()[first];
    const HistoryIndex::Line& b = index_.Lines()[second];
    if (order.column == kColumnName || order.column == kColumnFolder) {
        FoldedSortText(index_.Document(a.document).path, order.column, foldedFirst_);
        FoldedSortText(index_.Document(b.document).path, order.column, foldedSecond_);
        return order.ascending ? foldedFirst_ < foldedSecond_ : foldedSecond_ < foldedFirst_;
    }
    const uint64_t keyA = NumericSortKey(a, order.column);
    const uint64_t keyB = NumericSortKey(b, order.column);
    return order.ascending ? keyA < keyB : keyB < keyA;
}
