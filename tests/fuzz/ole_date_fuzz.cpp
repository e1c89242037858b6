// Any bytes as OLE dates, day numbers and calendar fields: what is accepted converts back and
// forth without loss, whatever a damaged history or clock gives.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "fuzz/fuzz_check.h"
#include "text/ole_date.h"

namespace {

template <typename T>
T Take(const uint8_t*& data, size_t& size) {
    T value{};
    const size_t n = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int32_t lastDay = DayNumberFromDate({kOleLastYear, 12, 31});

    const double value = Take<double>(data, size);
    if (const auto day = DayOfPositiveOleDate(value)) {
        FUZZ_CHECK(value > 0 && *day >= 0 && *day <= lastDay);
        FUZZ_CHECK(*day == static_cast<int32_t>(std::floor(value)));
    } else {
        FUZZ_CHECK(!(value > 0 && value < lastDay));
    }

    const int32_t dayNumber = Take<int32_t>(data, size);
    const int32_t firstDay = DayNumberFromDate({kOleFirstYear, 1, 1});
    if (dayNumber >= firstDay && dayNumber <= lastDay) {
        const CalendarDate date = DateFromDayNumber(dayNumber);
        FUZZ_CHECK(date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= 31);
        FUZZ_CHECK(DayNumberFromDate(date) == dayNumber);
        const int weekday = WeekdayOfDayNumber(dayNumber);
        FUZZ_CHECK(weekday >= 0 && weekday <= 6 && (weekday + 1) % 7 == WeekdayOfDayNumber(dayNumber + 1));
    }

    CalendarTime time;
    time.year = Take<int16_t>(data, size);
    time.month = Take<int8_t>(data, size);
    time.day = Take<int8_t>(data, size);
    time.hour = Take<int8_t>(data, size);
    time.minute = Take<int8_t>(data, size);
    time.second = Take<int8_t>(data, size);
    time.millisecond = Take<int16_t>(data, size);
    if (const auto ole = OleDateFromCalendar(time)) {
        FUZZ_CHECK(std::isfinite(*ole));
        const int32_t day = DayNumberFromDate({time.year, time.month, time.day});
        if (*ole >= 1.0) {
            const auto back = DayOfPositiveOleDate(*ole);
            FUZZ_CHECK(back && *back == day);
        }
    }
    return 0;
}
