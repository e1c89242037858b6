// Calendar arithmetic for OLE dates (proleptic Gregorian, as the system's date type uses).
#include "text/ole_date.h"

#include <cmath>

namespace {

// Days from 1970-01-01 (Howard Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

// 1899-12-30 counted from 1970-01-01.
constexpr int64_t kOleEpochFromUnix = -25569;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Day number of 31 December 9999, the last day the date type holds.
const int32_t kLastDayNumber = DayNumberFromDate({kOleLastYear, 12, 31});

}  // namespace

int32_t DayNumberFromDate(const CalendarDate& date) {
    return static_cast<int32_t>(
        DaysFromCivil(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day)) -
        kOleEpochFromUnix);
}

CalendarDate DateFromDayNumber(int32_t dayNumber) {
    // Howard Hinnant's civil_from_days.
    int64_t z = static_cast<int64_t>(dayNumber) + kOleEpochFromUnix + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const int64_t y = static_cast<int64_t>(yoe) + era * 400 + (m <= 2);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

std::optional<double> OleDateFromCalendar(const CalendarTime& t) {
    if (t.year < kOleFirstYear || t.year > kOleLastYear || t.month < 1 || t.month > 12 ||
        t.day < 1 || t.day > DaysInMonth(t.year, t.month) || t.hour < 0 || t.hour > 23 ||
        t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59 || t.millisecond < 0 ||
        t.millisecond > 999) {
        return std::nullopt;
    }
    const double day = DayNumberFromDate({t.year, t.month, t.day});
    const double fraction =
        (t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0) / 86400.0;
    // Before the epoch the integer part counts days back and the fraction still runs forward
    // in time, so -1.25 is 29 December 1899, 06:00.
    return day >= 0 ? day + fraction : day - fraction;
}

std::optional<int32_t> DayOfPositiveOleDate(double value) {
    if (!(value > 0.0)) return std::nullopt;  // also rejects NaN
    const double day = std::floor(value);
    if (day > kLastDayNumber) return std::nullopt;
    return static_cast<int32_t>(day);
}

int WeekdayOfDayNumber(int32_t dayNumber) {
    // Day 0, 30 December 1899, was a Saturday.
    const int weekday = static_cast<int>((static_cast<int64_t>(dayNumber) + 5) % 7);
    return weekday < 0 ? weekday + 7 : weekday;
}
