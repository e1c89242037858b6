// The widths of the document list's columns as stored: kept within what a user can see and grab.
#pragma once

#include <cstdint>

// Narrower than this a column is a sliver the user cannot find again; wider, it is damage
// (a list view keeps only the low 16 bits of a width, so huge values come out tiny).
inline constexpr int kMinColumnWidth = 24;
inline constexpr int kMaxColumnWidth = 4096;

// A width read from the registry (a 32-bit value, negative in two's complement) or shown by
// the list, brought into [kMinColumnWidth, kMaxColumnWidth]. Used on both ways, so a column
// dragged shut is not stored shut.
int ClampColumnWidth(std::int64_t width);
int ColumnWidthFromStored(std::uint32_t stored);
