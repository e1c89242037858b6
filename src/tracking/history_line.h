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

// Parses a line without its line end. Rejects lines of 10 bytes or fewer, lines without a
// blank, dates that are not greater than 0 or beyond the year 9999, and empty paths.
std::optional<HistoryLine> ParseHistoryLine(std::string_view line);
