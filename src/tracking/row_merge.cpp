// A few new rows are placed by binary search, then the rows after the first of them move once:
// an append costs log(rows) comparisons per new row and at most one move of the row numbers.
#include "tracking/row_merge.h"

#include <algorithm>

std::vector<size_t> MergeSortedRows(std::vector<uint32_t>& rows, std::vector<uint32_t> added, const RowLess& less) {
    // Among themselves the new rows keep history order where they compare equal.
    std::stable_sort(added.begin(), added.end(), less);
    std::vector<size_t> insertAt(added.size());
    auto from = rows.begin();
    for (size_t i = 0; i < added.size(); ++i) {
        // The added rows are in order now, so each one's place is at or after the previous one's.
        from = std::upper_bound(from, rows.end(), added[i], less);
        insertAt[i] = static_cast<size_t>(from - rows.begin());
    }
    // From the back, in place: only the rows after the first new one move, each once.
    std::vector<size_t> positions(added.size());
    size_t old = rows.size();
    rows.resize(rows.size() + added.size());
    size_t write = rows.size();
    for (size_t i = added.size(); i-- > 0;) {
        const auto first = rows.begin() + static_cast<std::ptrdiff_t>(insertAt[i]);
        const auto last = rows.begin() + static_cast<std::ptrdiff_t>(old);
        std::move_backward(first, last, rows.begin() + static_cast<std::ptrdiff_t>(write));
        write -= old - insertAt[i];
        old = insertAt[i];
        positions[i] = --write;
        rows[write] = added[i];
    }
    return positions;
}
