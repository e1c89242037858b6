// OLE Automation dates: days since 30 December 1899 in local time, the fraction the time of day.
#pragma once

#include <cstdint>
#include <optional>

struct CalendarTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// The supported range is years 100 to 9999, as for the system's date type.
inline constexpr int kOleFirstYear = 100;
inline constexpr int kOleLastYear = 9999;

// Days from 30 December 1899 to the given date (negative before it); no range check.
int32_t DayNumberFromDate(const CalendarDate& date);
CalendarDate DateFromDayNumber(int32_t dayNumber);

// The OLE date of a calendar time; empty when a field is out of range.
std::optional<double> OleDateFromCalendar(const CalendarTime& time);

// The calendar day of a positive OLE date, as a day number; empty when the value is not
// greater than 0 or lies beyond 31 December 9999.
std::optional<int32_t> DayOfPositiveOleDate(double value);

// Monday = 0 ... Sunday = 6.
int WeekdayOfDayNumber(int32_t dayNumber);
