// The filter pane's periods and how its dates become a filter.
#include "panes/filter_period.h"

#include <gtest/gtest.h>

namespace {

int32_t Day(int y, int m, int d) { return DayNumberFromDate({y, m, d}); }

TEST(PeriodStart, DayEntriesCoverThatManyDaysIncludingToday) {
    const int32_t wednesday = Day(2026, 12, 9);
    EXPECT_EQ(PeriodStart(wednesday, 0), wednesday - 1);                  // 2 Days
    EXPECT_EQ(PeriodStart(wednesday, 5), Day(2026, 12, 3));               // Week: the previous Thursday
    EXPECT_EQ(WeekdayOfDayNumber(*PeriodStart(wednesday, 5)), 3);
    EXPECT_EQ(PeriodStart(wednesday, 7), wednesday - 20);                 // 3 Weeks
}

TEST(PeriodStart, MonthEntriesGoBackOnTheCalendar) {
    EXPECT_EQ(PeriodStart(Day(2026, 3, 31), 8), Day(2026, 2, 28));   // Month
    EXPECT_EQ(PeriodStart(Day(2024, 3, 31), 8), Day(2024, 2, 29));   // in a leap year
    EXPECT_EQ(PeriodStart(Day(2024, 2, 29), 12), Day(2023, 2, 28));  // Year from 29 February
    EXPECT_EQ(PeriodStart(Day(2026, 1, 15), 10), Day(2025, 10, 15)); // 3 Months across the year
    EXPECT_EQ(PeriodStart(Day(2026, 12, 31), 11), Day(2026, 6, 30)); // Half-Year
    EXPECT_EQ(PeriodStart(Day(2026, 5, 31), 14), Day(2023, 5, 31));  // 3 Years
    EXPECT_EQ(PeriodStart(Day(2000, 2, 29), 13), Day(1998, 2, 28));  // 2 Years
}

TEST(PeriodStart, IndexesOutsideTheListGiveNoPeriod) {
    EXPECT_FALSE(PeriodStart(Day(2026, 1, 1), -1));
    EXPECT_FALSE(PeriodStart(Day(2026, 1, 1), kPeriodCount));
}

TEST(SubtractMonths, DecemberAndTwelveMonths) {
    EXPECT_EQ(SubtractMonths({2026, 12, 15}, 12), (CalendarDate{2025, 12, 15}));
    EXPECT_EQ(SubtractMonths({2026, 1, 31}, 1), (CalendarDate{2025, 12, 31}));
    EXPECT_EQ(SubtractMonths({2026, 7, 31}, 13), (CalendarDate{2025, 6, 30}));
}

TEST(DateFilterFromRange, TheNullDateMeansNoLimitOrASingleDay) {
    const int32_t today = Day(2026, 12, 7);
    EXPECT_EQ(DateFilterFromRange(kNullFilterDay, kNullFilterDay).kind, DateFilter::Kind::None);
    const DateFilter single = DateFilterFromRange(today, kNullFilterDay);
    EXPECT_EQ(single.kind, DateFilter::Kind::Day);
    EXPECT_TRUE(single.Passes(today));
    EXPECT_FALSE(single.Passes(today - 1));
    const DateFilter range = DateFilterFromRange(today - 6, today);
    EXPECT_TRUE(range.Passes(today - 6) && range.Passes(today));
    EXPECT_FALSE(range.Passes(today - 7) || range.Passes(today + 1));
}

}  // namespace
