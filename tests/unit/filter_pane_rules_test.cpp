// The filter pane's rules: the filter each mode gives, the step-button bounds and the stored dates.
#include "panes/filter_pane_rules.h"

#include <gtest/gtest.h>

#include "panes/filter_period.h"

namespace {

int32_t Day(int y, int m, int d) { return DayNumberFromDate({y, m, d}); }

// A Wednesday.
const int32_t kToday = Day(2027, 3, 31);

TEST(FilterModeFromNumber, OnlyTheFiveStoredNumbersNameAMode) {
    EXPECT_EQ(FilterModeFromNumber(0), FilterMode::All);
    EXPECT_EQ(FilterModeFromNumber(4), FilterMode::Listed);
    EXPECT_FALSE(FilterModeFromNumber(5));
    EXPECT_FALSE(FilterModeFromNumber(0xFFFFFFFFu));
}

TEST(RangeOfSelection, EachModeHandsOutItsPair) {
    ASSERT_EQ(WeekdayOfDayNumber(kToday), 2);
    FilterSelection selection;
    selection.calendarDay = Day(2027, 3, 2);
    selection.pickers = {Day(2027, 1, 1), Day(2027, 2, 1)};
    selection.listedDays = {Day(2027, 3, 3)};

    struct Case {
        FilterMode mode;
        int periodIndex;
        std::optional<DateRange> range;
    };
    const Case cases[] = {
        {FilterMode::All, 5, DateRange{kNullFilterDay, kNullFilterDay}},
        {FilterMode::Day, 5, DateRange{Day(2027, 3, 2), kNullFilterDay}},
        {FilterMode::Last, 5, DateRange{Day(2027, 3, 25), kToday}},  // Week: Thursday .. Wednesday
        {FilterMode::Last, 8, DateRange{Day(2027, 2, 28), kToday}},  // Month from 31 March
        {FilterMode::Last, -1, DateRange{kNullFilterDay, kNullFilterDay}},  // no entry: no limit
        {FilterMode::Last, 15, DateRange{kNullFilterDay, kNullFilterDay}},
        {FilterMode::Between, 5, DateRange{Day(2027, 1, 1), Day(2027, 2, 1)}},
        {FilterMode::Listed, 5, std::nullopt},
    };
    for (const Case& c : cases) {
        selection.mode = c.mode;
        selection.periodIndex = c.periodIndex;
        EXPECT_EQ(RangeOfSelection(selection, kToday), c.range)
            << "mode " << static_cast<int>(c.mode) << ", period " << c.periodIndex;
    }
}

TEST(FilterOfSelection, AgreesWithThePairAndListsSortedDays) {
    FilterSelection selection;
    selection.mode = FilterMode::Last;
    selection.periodIndex = 5;
    const DateFilter week = FilterOfSelection(selection, kToday);
    EXPECT_EQ(week.kind, DateFilter::Kind::Range);
    EXPECT_EQ(week.first, Day(2027, 3, 25));
    EXPECT_EQ(week.last, kToday);

    selection.periodIndex = -1;
    EXPECT_EQ(FilterOfSelection(selection, kToday).kind, DateFilter::Kind::None);

    selection.mode = FilterMode::Listed;
    selection.listedDays = {Day(2027, 3, 9), Day(2026, 10, 1)};
    const DateFilter listed = FilterOfSelection(selection, kToday);
    EXPECT_EQ(listed.kind, DateFilter::Kind::Days);
    EXPECT_EQ(listed.days, (std::vector<int32_t>{Day(2026, 10, 1), Day(2027, 3, 9)}));

    selection.listedDays.clear();
    const DateFilter none = FilterOfSelection(selection, kToday);
    EXPECT_EQ(none.kind, DateFilter::Kind::Days);
    EXPECT_FALSE(none.Passes(kToday));
}

// The null marker is a real day the calendar and the pickers offer.
TEST(FilterOfSelection, TheFirstOfJanuary1970IsADayNotTheNullMarker) {
    FilterSelection selection;
    selection.mode = FilterMode::Day;
    selection.calendarDay = kNullFilterDay;
    EXPECT_EQ(DateFilterFromRange(RangeOfSelection(selection, kToday)->from, kNullFilterDay).kind,
              DateFilter::Kind::None);
    const DateFilter day = FilterOfSelection(selection, kToday);
    EXPECT_TRUE(day.Passes(kNullFilterDay));
    EXPECT_FALSE(day.Passes(kNullFilterDay + 1));

    selection.mode = FilterMode::Between;
    selection.pickers = {Day(1969, 12, 1), kNullFilterDay};
    const DateFilter range = FilterOfSelection(selection, kToday);
    EXPECT_TRUE(range.Passes(Day(1969, 12, 15)));
    EXPECT_FALSE(range.Passes(kNullFilterDay + 1));
}

TEST(ClampPickerDays, KeepsTheDatesInOrderBetweenTheFirstDayAndToday) {
    EXPECT_EQ(ClampPickerDays({kToday - 5, kToday - 1}, kToday), (PickerDays{kToday - 5, kToday - 1}));
    EXPECT_EQ(ClampPickerDays({kToday - 5, kToday + 3}, kToday), (PickerDays{kToday - 5, kToday}));
    EXPECT_EQ(ClampPickerDays({kToday + 2, kToday + 3}, kToday), (PickerDays{kToday, kToday}));
    EXPECT_EQ(ClampPickerDays({kToday - 1, kToday - 4}, kToday), (PickerDays{kToday - 4, kToday - 4}));
    EXPECT_EQ(ClampPickerDays({0, 0}, kToday), (PickerDays{0, 0}));
    EXPECT_EQ(ClampPickerDays({kFirstFilterDay - 9, kFirstFilterDay - 2}, kToday),
              (PickerDays{kFirstFilterDay, kFirstFilterDay}));
}

TEST(StepButtonStates, FollowTheThreeDates) {
    struct Case {
        PickerDays days;
        StepButtons buttons;
    };
    const Case cases[] = {
        {{kToday - 9, kToday - 2}, {true, true, true, true}},
        {{kToday - 9, kToday}, {true, true, true, false}},   // second date is today
        {{kToday - 2, kToday - 2}, {true, false, false, true}},  // the dates meet
        {{kToday, kToday}, {true, false, false, false}},
        {{kFirstFilterDay, kFirstFilterDay + 1}, {false, true, true, true}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StepButtonStates(c.days, kToday), c.buttons) << c.days.from << ".." << c.days.to;
    }
}

TEST(SteppedPickerDays, MovesOneDayAndStopsAtEveryBound) {
    EXPECT_EQ(SteppedPickerDays({kToday - 9, kToday - 2}, PickerStep::FromBack, kToday),
              (PickerDays{kToday - 10, kToday - 2}));
    EXPECT_EQ(SteppedPickerDays({kToday - 9, kToday - 2}, PickerStep::ToForward, kToday),
              (PickerDays{kToday - 9, kToday - 1}));

    // Pressed over and over, each button ends where its bound is and never passes it.
    PickerDays days{kToday - 3, kToday - 1};
    while (auto next = SteppedPickerDays(days, PickerStep::ToForward, kToday)) days = *next;
    EXPECT_EQ(days, (PickerDays{kToday - 3, kToday}));
    while (auto next = SteppedPickerDays(days, PickerStep::FromForward, kToday)) days = *next;
    EXPECT_EQ(days, (PickerDays{kToday, kToday}));
    EXPECT_FALSE(SteppedPickerDays(days, PickerStep::ToBack, kToday));

    days = {kFirstFilterDay + 2, kFirstFilterDay + 2};
    int steps = 0;
    while (auto next = SteppedPickerDays(days, PickerStep::FromBack, kToday)) {
        days = *next;
        ++steps;
    }
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(days.from, kFirstFilterDay);
}

TEST(StoredDates, AreWrittenWithAPointAndSixDecimals) {
    EXPECT_EQ(FormatStoredDate(kToday), std::to_string(kToday) + ".000000");
    EXPECT_EQ(FormatStoredDate(Day(1800, 1, 1)), "-36522.000000");
    for (const int32_t day : {kFirstFilterDay, Day(1899, 12, 30), kToday, kLastFilterDay}) {
        EXPECT_EQ(PickerDayFromStoredText(FormatStoredDate(day), kToday), day) << day;
    }
}

TEST(StoredDates, ReadTheDayAndFallBackToTodayForAnythingUnusable) {
    const int32_t stored = Day(2026, 6, 15);
    const std::string whole = std::to_string(stored);
    struct Case {
        std::string text;
        int32_t day;
    };
    const Case cases[] = {
        {whole + ".750000", stored},  // the time of day is dropped
        {whole + ",500000", stored},  // a locale-bound writer's comma
        {" " + whole + ".0 ", stored},
        {whole, stored},
        {"", kToday},
        {"   ", kToday},
        {"yesterday", kToday},
        {whole + ".0x", kToday},
        {"1e5", kToday},
        {"nan", kToday},
        {"-60000.000000", kToday},  // before 1753
        {"3000000.0", kToday},      // after 9998
        {std::string(300, '9'), kToday},
    };
    for (const Case& c : cases) EXPECT_EQ(PickerDayFromStoredText(c.text, kToday), c.day) << '"' << c.text << '"';
}

}  // namespace
