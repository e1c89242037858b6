// Calendar arithmetic of OLE dates.
#include "text/ole_date.h"

#include <gtest/gtest.h>

namespace {

TEST(OleDate, KnownDates) {
    EXPECT_EQ(DayNumberFromDate({1899, 12, 30}), 0);
    EXPECT_EQ(DayNumberFromDate({1900, 1, 1}), 2);
    EXPECT_EQ(DayNumberFromDate({2007, 2, 6}), 39119);
    EXPECT_EQ(DayNumberFromDate({1899, 12, 29}), -1);
    EXPECT_EQ(DayNumberFromDate({100, 1, 1}), -657434);
    EXPECT_EQ(DayNumberFromDate({9999, 12, 31}), 2958465);
}

TEST(OleDate, DayNumbersRoundTripOverTheWholeRange) {
    for (int32_t day = -657434; day <= 2958465; day += 97) {
        const CalendarDate date = DateFromDayNumber(day);
        ASSERT_EQ(DayNumberFromDate(date), day) << date.year << "-" << date.month << "-" << date.day;
    }
    EXPECT_EQ(DateFromDayNumber(DayNumberFromDate({2024, 2, 29})), (CalendarDate{2024, 2, 29}));
}

TEST(OleDate, FromCalendarAddsTheTimeOfDay) {
    EXPECT_DOUBLE_EQ(*OleDateFromCalendar({2007, 2, 6, 13, 0, 0, 0}), 39119.0 + 13.0 / 24.0);
    EXPECT_DOUBLE_EQ(*OleDateFromCalendar({1899, 12, 30, 0, 0, 0, 0}), 0.0);
    // Before the epoch the fraction still runs forward: 29 Dec 1899 06:00 is -1.25.
    EXPECT_DOUBLE_EQ(*OleDateFromCalendar({1899, 12, 29, 6, 0, 0, 0}), -1.25);
}

TEST(OleDate, FromCalendarRejectsImpossibleFields) {
    EXPECT_FALSE(OleDateFromCalendar({2023, 2, 29, 0, 0, 0, 0}));
    EXPECT_FALSE(OleDateFromCalendar({2023, 13, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(OleDateFromCalendar({2023, 4, 31, 0, 0, 0, 0}));
    EXPECT_FALSE(OleDateFromCalendar({99, 12, 31, 0, 0, 0, 0}));
    EXPECT_FALSE(OleDateFromCalendar({10000, 1, 1, 0, 0, 0, 0}));
    EXPECT_FALSE(OleDateFromCalendar({2023, 1, 1, 24, 0, 0, 0}));
    EXPECT_TRUE(OleDateFromCalendar({2000, 2, 29, 23, 59, 59, 999}));
}

TEST(OleDate, DayOfPositiveDate) {
    EXPECT_EQ(DayOfPositiveOleDate(39119.999), 39119);
    EXPECT_EQ(DayOfPositiveOleDate(0.5), 0);
    EXPECT_FALSE(DayOfPositiveOleDate(0.0));
    EXPECT_FALSE(DayOfPositiveOleDate(-3.5));
    EXPECT_FALSE(DayOfPositiveOleDate(2958466.0));
}

TEST(OleDate, Weekdays) {
    EXPECT_EQ(WeekdayOfDayNumber(DayNumberFromDate({2026, 12, 7})), 0);   // a Monday
    EXPECT_EQ(WeekdayOfDayNumber(DayNumberFromDate({2026, 12, 13})), 6);  // a Sunday
    EXPECT_EQ(WeekdayOfDayNumber(-1), 4);                                 // a Friday
}

}  // namespace
