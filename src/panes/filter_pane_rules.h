// Rules of the filter pane that need no window: its modes, the filter a selection gives, the
// day-step buttons and the stored dates.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tracking/history_view.h"

// The five ways of limiting the list, numbered as the "FilterType" setting stores them.
enum class FilterMode { All = 0, Day = 1, Last = 2, Between = 3, Listed = 4 };
inline constexpr int kFilterModeCount = 5;

// The mode a stored number names; nothing for a number outside 0-4.
std::optional<FilterMode> FilterModeFromNumber(std::uint32_t value);

// The days of the two "between" pickers.
struct PickerDays {
    int32_t from = 0;
    int32_t to = 0;
    friend bool operator==(const PickerDays&, const PickerDays&) = default;
};

// What the pane's controls hold, read in one go.
struct FilterSelection {
    FilterMode mode = FilterMode::All;
    int32_t calendarDay = 0;          // the month calendar's day
    int periodIndex = -1;             // the "last" entry; -1 while none is selected
    PickerDays pickers;               // the "between" dates
    std::vector<int32_t> listedDays;  // the listed dates, in list order
};

struct DateRange {
    int32_t from = 0;
    int32_t to = 0;
    friend bool operator==(const DateRange&, const DateRange&) = default;
};

// The from/to pair of the selection, with kNullFilterDay as "no limit" (from) or "that single
// day" (to); nothing in the listed-dates mode. A "last" mode without an entry limits nothing.
std::optional<DateRange> RangeOfSelection(const FilterSelection& selection, int32_t today);

// The same limit as a filter. Unlike the pair it never mistakes a real 1 January 1970 (a day
// the user may pick) for the null marker.
DateFilter FilterOfSelection(const FilterSelection& selection, int32_t today);

// The pickers kept inside their bounds: the second date from the first day to today, the
// first from the first day to the second date. The dates may meet but never cross.
PickerDays ClampPickerDays(PickerDays days, int32_t today);

// Which of the four day-step buttons can move its date without leaving those bounds.
struct StepButtons {
    bool fromBack = false;
    bool fromForward = false;
    bool toBack = false;
    bool toForward = false;
    friend bool operator==(const StepButtons&, const StepButtons&) = default;
};
StepButtons StepButtonStates(PickerDays days, int32_t today);

enum class PickerStep { FromBack, FromForward, ToBack, ToForward };
// The pickers after one step, or nothing when the step would leave the bounds.
std::optional<PickerDays> SteppedPickerDays(PickerDays days, PickerStep step, int32_t today);

// "FilterFrom" and "FilterTo" hold an OLE date as "%f" text: "46112.000000". Written with "."
// whatever the locale, so that a change of the regional settings cannot make it unreadable.
std::string FormatStoredDate(int32_t day);
// The picker day of a stored text: today for an empty text, and also for one that is not a
// number or lies outside 1 January 1753 ... 31 December 9998. A "," as the decimal separator,
// as a locale-bound writer leaves it, is accepted.
int32_t PickerDayFromStoredText(std::string_view text, int32_t today);
