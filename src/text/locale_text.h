// Dates and times in the user's own formats, for the document list's cells.
#pragma once

#include <cstdint>
#include <string>

// The calendar day (days since 30 December 1899) in the user's short date format.
std::string FormatDay(int32_t dayNumber);

// A UTC file time as local date and time in the user's formats.
std::string FormatFileTime(uint64_t utc);
