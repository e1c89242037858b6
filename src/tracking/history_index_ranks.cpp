// Documents ranked by the text of their names or folders, for sorting: worked out once for all
// documents, so that a sort of any rows compares numbers.
#include "tracking/history_index.h"

#include <algorithm>

#include "text/case_fold.h"
#include "text/path_split.h"

namespace {

// Eight bytes of a text from `from` on as a number that orders as the bytes do, missing bytes
// counting as 0: of two texts, the one with the smaller number is the smaller one.
uint64_t LeadingBytes(std::string_view text, size_t from) {
    uint64_t bytes = 0;
    for (size_t i = from; i < from + 8; ++i) bytes = bytes << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return bytes;
}

}  // namespace

const std::vector<uint32_t>& HistoryIndex::TextRanks(PathPart part) {
    std::vector<uint32_t>& ranks = ranks_[static_cast<size_t>(part)];
    const size_t count = documents_.size();
    if (ranks.size() == count) return ranks;
    // Every document's folded text goes into one buffer: one allocation for all of them.
    std::string texts;
    std::vector<std::pair<size_t, size_t>> spans(count);
    std::string folded;
    for (uint32_t document = 0; document < count; ++document) {
        const std::string_view path = documents_[document].path;
        const size_t name = BaseNameOffset(path);
        FoldCaseInto(part == PathPart::Name ? path.substr(name) : path.substr(0, name), folded);
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
    ranks.assign(count, 0);
    for (uint32_t i = 0, rank = 0; i < count; ++i) {
        if (i > 0 && order[i].text != order[i - 1].text) rank = i;
        ranks[order[i].document] = rank;
    }
    return ranks;
}
