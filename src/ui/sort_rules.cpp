// Sort state, header clicks, sort keys and the centring of a selected row.
#include "ui/sort_rules.h"

#include <algorithm>
#include <charconv>
#include <limits>

SortState SortStateFromHeaderValues(std::span<const std::intptr_t> values) {
    for (std::size_t column = 0; column < values.size(); ++column) {
        if (values[column] > kHeaderUnsorted) {
            return {static_cast<int>(column), values[column] == kHeaderAscending};
        }
    }
    return {};
}

SortState SortStateAfterClick(SortState current, int clickedColumn) {
    if (current.column < 0) return {clickedColumn, true};
    if (current.column == clickedColumn) return {clickedColumn, !current.ascending};
    return {clickedColumn, current.ascending};
}

std::string_view SortKeyPrefix(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A continuation byte (10xxxxxx) belongs to the character before it.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (characters == kSortKeyLength) return text.substr(0, i);
        ++characters;
    }
    return text;
}

namespace {

long long LeadingNumber(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
    bool negative = false;
    if (start < text.size() && (text[start] == '+' || text[start] == '-')) negative = text[start++] == '-';
    unsigned long long value = 0;
    const char* first = text.data() + start;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    if (end == first) return 0;
    constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<long long>::max());
    if (error == std::errc::result_out_of_range || value > kMax) {
        return negative ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    }
    const auto magnitude = static_cast<long long>(value);
    return negative ? -magnitude : magnitude;
}

}  // namespace

int CompareAsNumbers(std::string_view first, std::string_view second) {
    const long long a = LeadingNumber(first);
    const long long b = LeadingNumber(second);
    return a < b ? -1 : (a > b ? 1 : 0);
}

int ClampRowIndex(int index, int rowCount) {
    if (rowCount <= 0 || index < 0) return -1;
    return std::min(index, rowCount - 1);
}

int ScrollTargetForRow(int row, int rowCount, int topRow, int rowsPerPage, bool centre) {
    if (!centre || rowCount <= 0) return row;
    const int half = std::max(rowsPerPage, 0) / 2;
    const int middle = topRow + half;
    if (row < middle) return std::max(row - half, 0);
    if (row > middle) return std::min(row + half, rowCount - 1);
    return row;
}

std::vector<int> RowsAfterReorder(std::span<const int> oldRows, std::span<const int> newToOld) {
    // Rows may have left (the order is shorter than the old rows), so old positions reach past it.
    const int oldCount = newToOld.empty() ? 0 : *std::max_element(newToOld.begin(), newToOld.end()) + 1;
    std::vector<int> oldToNew(static_cast<std::size_t>(std::max(oldCount, 0)), -1);
    for (std::size_t now = 0; now < newToOld.size(); ++now) {
        const int old = newToOld[now];
        if (old >= 0 && static_cast<std::size_t>(old) < oldToNew.size()) oldToNew[static_cast<std::size_t>(old)] = static_cast<int>(now);
    }
    std::vector<int> moved;
    moved.reserve(oldRows.size());
    for (const int old : oldRows) {
        if (old >= 0 && static_cast<std::size_t>(old) < oldToNew.size() && oldToNew[static_cast<std::size_t>(old)] >= 0) {
            moved.push_back(oldToNew[static_cast<std::size_t>(old)]);
        }
    }
    std::sort(moved.begin(), moved.end());
    return moved;
}

std::vector<int> RowsAfterInsertions(std::span<const int> oldRows, std::span<const std::size_t> inserted) {
    std::vector<int> moved;
    moved.reserve(oldRows.size());
    std::size_t before = 0;  // new rows placed before the current old row
    for (const int old : oldRows) {
        while (before < inserted.size() && inserted[before] <= static_cast<std::size_t>(old) + before) ++before;
        moved.push_back(old + static_cast<int>(before));
    }
    return moved;
}
