// Locale formatting through GetDateFormatA and GetTimeFormatA.
#include "text/locale_text.h"

#include <windows.h>

#include "text/ole_date.h"

namespace {

std::string DateText(const SYSTEMTIME& time) {
    char text[128];
    const int length = ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text);
    return length > 0 ? std::string(text) : std::string();
}

std::string TimeText(const SYSTEMTIME& time) {
    char text[128];
    const int length = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, sizeof text);
    return length > 0 ? std::string(text) : std::string();
}

}  // namespace

std::string FormatDay(int32_t dayNumber) {
    const CalendarDate date = DateFromDayNumber(dayNumber);
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    return DateText(time);
}

std::string FormatFileTime(uint64_t utc) {
    const FILETIME utcTime{static_cast<DWORD>(utc), static_cast<DWORD>(utc >> 32)};
    FILETIME localTime;
    SYSTEMTIME time;
    if (!::FileTimeToLocalFileTime(&utcTime, &localTime) || !::FileTimeToSystemTime(&localTime, &time)) return {};
    return DateText(time) + " " + TimeText(time);
}
