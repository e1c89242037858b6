// Calendar days as the date controls and the system clock give them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

// Registers the month calendar and date picker classes; the dialogs that hold them call it
// before they are created, whatever the program did at start-up.
bool RegisterDateControls();

// Midnight of a day number (days since 30 December 1899).
SYSTEMTIME SystemTimeFromDay(int32_t day);
// The day of a SYSTEMTIME, its time of day dropped; nothing when a field is out of range.
std::optional<int32_t> DayFromSystemTime(const SYSTEMTIME& time);
// Today in local time.
int32_t LocalToday();

// Gives a month calendar `today` as its today and its selection, and limits it to the days from
// 1 January 1753 up to today.
void ShowCalendarUpToToday(HWND calendar, int32_t today);
// The same without touching the selection, when the calendar's today is not `today` any more;
// true when it was not.
bool MoveCalendarToToday(HWND calendar, int32_t today);
