// A few new rows are placed by binary search, then the old rows move once: an append costs
// log(rows) comparisons per new row and one copy of the row numbers, not a sort.
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
    std::vector<uint32_t> merged;
    merged.reserve(rows.size() + added.size());
    std::vector<size_t> positions(added.size());
    size_t old = 0;
    for (size_t i = 0; i < added.size(); ++i) {
        merged.insert(merged.end(), rows.begin() + static_cast<std::ptrdiff_t>(old),
                      rows.begin() + static_cast<std::ptrdiff_t>(insertAt[i]));
        old = insertAt[i];
        positions[i] = merged.size();
        merged.push_back(added[i]);
    }
    merged.insert(merged.end(), rows.begin() + static_cast<std::ptrdiff_t>(old), rows.end());
    rows = std::move(merged);
    return positions;
}
