// Date arithmetic of the filter pane: the "last" periods and the filter handed to the list.
#pragma once

#include <cstdint>
#include <optional>

#include "tracking/history_view.h"
#include "text/ole_date.h"

// Number of entries in the "last" list: "2 Days" ... "3 Years".
inline constexpr int kPeriodCount = 15;

// The first day of the period with the given list index ending today, or nothing for an
// index outside the list. Day entries cover that many calendar days including today;
// month entries go back on the calendar, the day limited to the length of the month.
std::optional<int32_t> PeriodStart(int32_t today, int periodIndex);

// The date `months` calendar months before `date`: 31 March less one month is the last day
// of February.
CalendarDate SubtractMonths(const CalendarDate& date, int months);

// The earliest and latest days the pane offers.
inline const int32_t kFirstFilterDay = DayNumberFromDate({1753, 1, 1});
inline const int32_t kLastFilterDay = DayNumberFromDate({9998, 12, 31});

// The pane marks "no date" with the null date, 1 January 1970: no start means no date limit,
// no end a single day.
inline const int32_t kNullFilterDay = DayNumberFromDate({1970, 1, 1});
DateFilter DateFilterFromRange(int32_t from, int32_t to);
