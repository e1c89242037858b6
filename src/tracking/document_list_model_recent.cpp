// The model's pass for the recent-documents popup: the parsed history, not the file again.
#include "tracking/document_list_model.h"

std::vector<DocumentListModel::RecentDocument> DocumentListModel::RecentDocuments(int32_t firstDay, int32_t lastDay) {
    std::vector<RecentDocument> documents;
    if (history_.Path().empty() || firstDay > lastDay || !UpdateIndex()) return documents;
    const DateFilter range = DateFilter::Range(firstDay, lastDay);
    // Only existing documents are listed, so none may be left unknown: the few documents of
    // these days are checked now, folder by folder, unless the main window learnt them already.
    std::vector<StatusRequest> unknown;
    std::vector<bool> seen(index_.DocumentCount(), false);
    for (const HistoryIndex::Line& line : index_.Lines()) {
        if (seen[line.document] || !range.Passes(line.day)) continue;
        seen[line.document] = true;
        if (statuses_.Peek(line.document) == nullptr) {
            unknown.push_back(statuses_.RequestFor(line.document, index_.Document(line.document).path));
        }
    }
    if (!unknown.empty() && checkNow_) statuses_.Settle(checkNow_(unknown));
    const ViewSettings once{.showDuplicates = false, .showDeleted = false};
    for (const uint32_t line : SelectRows(index_, range, kAllTypes, once, ExistsQuery())) {
        const HistoryDocument& document = index_.Document(index_.Lines()[line].document);
        documents.push_back({std::string(document.path), std::string(ExtensionAsWritten(document.path))});
    }
    return documents;
}
