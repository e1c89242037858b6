// One line of the history file: "<OLE date with six decimals> <document path>\r\n".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The line as appended, "%f %s\r\n": the date always with "." and six decimals.
std::string FormatHistoryLine(double oleDate, std::string_view path);

struct HistoryLine {
    int32_t day = 0;        // calendar day of the opening; the time of day is dropped
    std::string_view path;  // everything after the first blank, verbatim
};

// A text editor may begin the file with the UTF-8 byte-order mark; it belongs to no line.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
// The text without a byte-order mark at its start.
std::string_view WithoutByteOrderMark(std::string_view text);

// Parses a line without its line end. Rejects lines of 10 bytes or fewer, lines without a
// blank, dates that are not greater than 0 or beyond the year 9999, and empty paths.
std::optional<HistoryLine> ParseHistoryLine(std::string_view line);
