// The model's pass for the recent-documents popup: the parsed history, not the file again.
#include "tracking/document_list_model.h"

std::vector<DocumentListModel::RecentDocument> DocumentListModel::RecentDocuments(int32_t firstDay, int32_t lastDay) {
    std::vector<RecentDocument> documents;
    if (history_.Path().empty() || firstDay > lastDay || !UpdateIndex()) return documents;
    const ViewSettings once{.showDuplicates = false, .showDeleted = false};
    for (const uint32_t line : SelectRows(index_, DateFilter::Range(firstDay, lastDay), kAllTypes, once, ExistsQuery())) {
        const HistoryDocument& document = index_.Document(index_.Lines()[line].document);
        documents.push_back({document.path, std::string(ExtensionAsWritten(document.path))});
    }
    return documents;
}
