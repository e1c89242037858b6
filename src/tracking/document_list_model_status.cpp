// The model's side of file status: the questions its passes and cells raised, the answers that
// come back, and the rows those answers remove.
#include "tracking/document_list_model.h"

#include <algorithm>
#include <unordered_set>

StatusQuestions DocumentListModel::TakeStatusQuestions() {
    return statuses_.TakeQuestions([this](uint32_t document) -> std::string_view { return index_.Document(document).path; });
}

FileStatusBoard::Changes DocumentListModel::ApplyStatusAnswers(const std::vector<StatusAnswer>& answers) {
    return statuses_.Apply(answers);
}

std::vector<size_t> DocumentListModel::RowsAnswered(const std::vector<StatusAnswer>& answers, size_t first,
                                                    size_t count) const {
    const size_t end = std::min(rows_.size(), first + count);
    // A screenful of rows against batches of thousands of answers: the rows are what is looked up.
    std::unordered_set<uint32_t> shown;
    for (size_t row = first; row < end; ++row) shown.insert(RowDocument(row));
    std::unordered_set<uint32_t> answered;
    for (const StatusAnswer& answer : answers) {
        if (shown.count(answer.document) != 0) answered.insert(answer.document);
    }
    std::vector<size_t> rows;
    for (size_t row = first; row < end; ++row) {
        if (answered.count(RowDocument(row)) != 0) rows.push_back(row);
    }
    return rows;
}

bool DocumentListModel::DropVanishedRows(const std::vector<uint32_t>& vanishedDocuments, std::vector<int>& newToOld) {
    newToOld.clear();
    if (!hidesDeleted_ || vanishedDocuments.empty()) return false;
    std::vector<bool> vanished(index_.DocumentCount(), false);
    for (const uint32_t document : vanishedDocuments) {
        // Answered again meanwhile, it may be back.
        const FileStatus* status = statuses_.Peek(document);
        if (document < vanished.size() && status != nullptr && !status->exists) vanished[document] = true;
    }
    std::vector<uint32_t> kept;
    kept.reserve(rows_.size());
    std::vector<int> positions;
    positions.reserve(rows_.size());
    for (size_t row = 0; row < rows_.size(); ++row) {
        if (vanished[RowDocument(row)]) continue;
        kept.push_back(rows_[row]);
        positions.push_back(static_cast<int>(row));
    }
    if (kept.size() == rows_.size()) return false;
    rows_ = std::move(kept);
    newToOld = std::move(positions);
    return true;
}

void DocumentListModel::RecheckNow(const std::vector<std::string>& paths) {
    if (readAhead_.valid()) UpdateIndex();
    if (!checkNow_ || paths.empty()) return;
    std::unordered_set<uint32_t> identities;
    for (const std::string& path : paths) {
        if (const auto identity = index_.FindIdentity(path)) identities.insert(*identity);
    }
    if (identities.empty()) return;
    std::vector<StatusRequest> requests;
    for (uint32_t document = 0; document < index_.DocumentCount(); ++document) {
        const HistoryDocument& entry = index_.Document(document);
        if (identities.count(entry.identity) != 0) requests.push_back(statuses_.RequestFor(document, entry.path));
    }
    statuses_.Settle(checkNow_(requests));
}
