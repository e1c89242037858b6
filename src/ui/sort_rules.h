// The rules of a sortable list, free of the window manager: the sort state its header items
// carry, what a header click does to it, sort keys, and where a selected row is scrolled to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The value a header item keeps in its item data.
constexpr std::intptr_t kHeaderUnsorted = 0;
constexpr std::intptr_t kHeaderAscending = 1;
constexpr std::intptr_t kHeaderDescending = 2;

// Header images: the arrow beside the sorted column's text.
constexpr int kSortImageAscending = 0;
constexpr int kSortImageDescending = 1;

struct SortState {
    int column = -1;  // -1: no column is sorted
    bool ascending = true;
    friend bool operator==(const SortState&, const SortState&) = default;
};

constexpr std::intptr_t HeaderValueFor(bool ascending) { return ascending ? kHeaderAscending : kHeaderDescending; }
constexpr int SortImageFor(bool ascending) { return ascending ? kSortImageAscending : kSortImageDescending; }

// The first column whose value is above 0 is the sorted one; it is ascending only for the value
// 1 (any other positive value reads as descending). No such column: column -1, ascending.
SortState SortStateFromHeaderValues(std::span<const std::intptr_t> values);

// A click on the sorted column reverses its direction; a click on another column moves the sort
// there and keeps the direction (ascending when nothing was sorted).
SortState SortStateAfterClick(SortState current, int clickedColumn);

// Texts are compared by at most this many leading characters.
constexpr std::size_t kSortKeyLength = 1023;
// The leading kSortKeyLength characters of a UTF-8 text, never cutting a character in two.
std::string_view SortKeyPrefix(std::string_view text);

// Orders two texts by the whole numbers they start with (after leading blanks, an optional
// sign, then digits; an empty or non-numeric text counts as 0; numbers beyond 64 bits count as
// the largest or smallest): -1, 0 or 1. Sizes sort this way, so 9 comes before 10.
int CompareAsNumbers(std::string_view first, std::string_view second);

// The index a selection request lands on: -1 for an empty list or a negative index, the last
// row for an index past the end.
int ClampRowIndex(int index, int rowCount);

// The row to scroll into view so that `row` ends up visible. Without centring that is the row
// itself. With centring the target moves half a page beyond the row, away from the middle of the
// page now shown (`topRow`, `rowsPerPage` full rows), so that scrolling it into view brings the
// row near the middle: above the middle to row - rowsPerPage / 2 (not below 0), below it to
// row + rowsPerPage / 2 (not past the last row). A row exactly in the middle stays where it is.
int ScrollTargetForRow(int row, int rowCount, int topRow, int rowsPerPage, bool centre);

// Carries rows across a reordering or a removal: `newToOld[n]` is the old position of the row now
// at n. Each old row of `oldRows` is given its new position; rows the order does not know (those
// removed) are dropped.
// Sorted ascending.
std::vector<int> RowsAfterReorder(std::span<const int> oldRows, std::span<const int> newToOld);

// Carries rows across insertions: `inserted` are the positions the new rows hold afterwards,
// ascending. Each row of `oldRows` (ascending) moves down by the new rows placed before it.
std::vector<int> RowsAfterInsertions(std::span<const int> oldRows, std::span<const std::size_t> inserted);
