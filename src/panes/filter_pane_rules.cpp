// The filter pane's rules: modes, bounds of the day-step buttons and the stored date texts.
#include "panes/filter_pane_rules.h"

#include <charconv>
#include <cmath>

#include "panes/filter_period.h"

std::optional<FilterMode> FilterModeFromNumber(std::uint32_t value) {
    if (value >= static_cast<std::uint32_t>(kFilterModeCount)) return std::nullopt;
    return static_cast<FilterMode>(value);
}

std::optional<DateRange> RangeOfSelection(const FilterSelection& selection, int32_t today) {
    switch (selection.mode) {
        case FilterMode::All: return DateRange{kNullFilterDay, kNullFilterDay};
        case FilterMode::Day: return DateRange{selection.calendarDay, kNullFilterDay};
        case FilterMode::Last: {
            const std::optional<int32_t> start = PeriodStart(today, selection.periodIndex);
            if (!start) return DateRange{kNullFilterDay, kNullFilterDay};
            return DateRange{*start, today};
        }
        case FilterMode::Between: return DateRange{selection.pickers.from, selection.pickers.to};
        case FilterMode::Listed: break;
    }
    return std::nullopt;
}

DateFilter FilterOfSelection(const FilterSelection& selection, int32_t today) {
    switch (selection.mode) {
        case FilterMode::All: break;
        case FilterMode::Day: return DateFilter::Day(selection.calendarDay);
        case FilterMode::Last:
            if (const std::optional<int32_t> start = PeriodStart(today, selection.periodIndex)) {
                return DateFilter::Range(*start, today);
            }
            break;
        case FilterMode::Between: return DateFilter::Range(selection.pickers.from, selection.pickers.to);
        case FilterMode::Listed: return DateFilter::Days(selection.listedDays);
    }
    return DateFilter::All();
}

PickerDays ClampPickerDays(PickerDays days, int32_t today) {
    // A clock set before the first day must not turn the bounds upside down.
    const int32_t last = today > kFirstFilterDay ? today : kFirstFilterDay;
    if (days.to > last) days.to = last;
    if (days.to < kFirstFilterDay) days.to = kFirstFilterDay;
    if (days.from > days.to) days.from = days.to;
    if (days.from < kFirstFilterDay) days.from = kFirstFilterDay;
    return days;
}

StepButtons StepButtonStates(PickerDays days, int32_t today) {
    return {.fromBack = days.from > kFirstFilterDay,
            .fromForward = days.to > days.from,
            .toBack = days.to > days.from,
            .toForward = days.to < today && days.to < kLastFilterDay};
}

std::optional<PickerDays> SteppedPickerDays(PickerDays days, PickerStep step, int32_t today) {
    const StepButtons allowed = StepButtonStates(days, today);
    switch (step) {
        case PickerStep::FromBack:
            if (!allowed.fromBack) return std::nullopt;
            --days.from;
            break;
        case PickerStep::FromForward:
            if (!allowed.fromForward) return std::nullopt;
            ++days.from;
            break;
        case PickerStep::ToBack:
            if (!allowed.toBack) return std::nullopt;
            --days.to;
            break;
        case PickerStep::ToForward:
            if (!allowed.toForward) return std::nullopt;
            ++days.to;
            break;
    }
    return days;
}

std::string FormatStoredDate(int32_t day) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, static_cast<double>(day), std::chars_format::fixed, 6);
    return std::string(text, result.ptr);
}

int32_t PickerDayFromStoredText(std::string_view text, int32_t today) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.empty() || text.size() > 40) return today;

    std::string number(text);
    if (const size_t comma = number.find(','); comma != std::string::npos) number[comma] = '.';
    double value = 0;
    const char* end = number.data() + number.size();
    const auto result = std::from_chars(number.data(), end, value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return today;

    // An OLE date's day is its integer part, also before 1900 (-1.25 is 29 December 1899, 6:00).
    const double day = std::trunc(value);
    if (day < kFirstFilterDay || day > kLastFilterDay) return today;
    return static_cast<int32_t>(day);
}
