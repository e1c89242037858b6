// Calendar arithmetic for the filter pane's periods.
#include "panes/filter_period.h"

namespace {

struct Period {
    int days;
    int months;
};

constexpr Period kPeriods[kPeriodCount] = {
    {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {13, 0}, {20, 0},  // 2 Days ... 3 Weeks
    {0, 1}, {0, 2}, {0, 3}, {0, 6}, {0, 12}, {0, 24}, {0, 36},         // Month ... 3 Years
};

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

CalendarDate SubtractMonths(const CalendarDate& date, int months) {
    int years = months / 12;
    const int m = months % 12;
    int month = date.month - m;
    if (month <= 0) {
        month += 12;
        ++years;
    }
    const int year = date.year - years;
    const int day = date.day < DaysInMonth(year, month) ? date.day : DaysInMonth(year, month);
    return {year, month, day};
}

std::optional<int32_t> PeriodStart(int32_t today, int periodIndex) {
    if (periodIndex < 0 || periodIndex >= kPeriodCount) return std::nullopt;
    const Period& period = kPeriods[periodIndex];
    if (period.months == 0) return today - period.days;
    return DayNumberFromDate(SubtractMonths(DateFromDayNumber(today), period.months));
}

DateFilter DateFilterFromRange(int32_t from, int32_t to) {
    if (from == kNullFilterDay) return DateFilter::All();
    if (to == kNullFilterDay) return DateFilter::Day(from);
    return DateFilter::Range(from, to);
}
