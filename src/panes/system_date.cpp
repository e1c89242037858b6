// Conversions between SYSTEMTIME and day numbers, checked through the OLE date rules.
#include "panes/system_date.h"

#include <commctrl.h>

#include "panes/filter_period.h"
#include "text/ole_date.h"

bool RegisterDateControls() {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_DATE_CLASSES};
    return ::InitCommonControlsEx(&classes) != FALSE;
}

SYSTEMTIME SystemTimeFromDay(int32_t day) {
    const CalendarDate date = DateFromDayNumber(day);
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    // Monday = 0 in our numbering, Sunday = 0 in the system's.
    time.wDayOfWeek = static_cast<WORD>((WeekdayOfDayNumber(day) + 1) % 7);
    return time;
}

std::optional<int32_t> DayFromSystemTime(const SYSTEMTIME& time) {
    // The controls leave the time fields as they please; only the date counts.
    if (!OleDateFromCalendar({.year = time.wYear, .month = time.wMonth, .day = time.wDay})) return std::nullopt;
    return DayNumberFromDate({time.wYear, time.wMonth, time.wDay});
}

int32_t LocalToday() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return DayNumberFromDate({now.wYear, now.wMonth, now.wDay});
}

namespace {

void LimitCalendar(HWND calendar, const SYSTEMTIME& today) {
    const SYSTEMTIME range[2] = {SystemTimeFromDay(kFirstFilterDay), today};
    ::SendMessageA(calendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&today));
    ::SendMessageA(calendar, MCM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
}

}  // namespace

void ShowCalendarUpToToday(HWND calendar, int32_t today) {
    const SYSTEMTIME day = SystemTimeFromDay(today);
    LimitCalendar(calendar, day);
    ::SendMessageA(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
}

bool MoveCalendarToToday(HWND calendar, int32_t today) {
    SYSTEMTIME shown{};
    if (::SendMessageA(calendar, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(&shown)) &&
        DayFromSystemTime(shown) == today) {
        return false;
    }
    LimitCalendar(calendar, SystemTimeFromDay(today));
    return true;
}
