// Where rows read from an append go in a list that is already sorted, so that the list is
// what a full sort of every row would give without sorting it again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Orders two rows (indices into the history's lines) by the sorted column.
using RowLess = std::function<bool(uint32_t first, uint32_t second)>;

// Merges `added` into `rows`. `rows` is ordered by `less`, rows that compare equal in history
// order; `added` come later in the history than all of them, in history order. Each added row
// goes after every row that does not follow it, as a stable sort of all rows would place it.
// Returns the positions the added rows hold afterwards, ascending.
std::vector<size_t> MergeSortedRows(std::vector<uint32_t>& rows, std::vector<uint32_t> added, const RowLess& less);
