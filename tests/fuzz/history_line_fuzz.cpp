// Any bytes as one history line: a parsed line keeps its path verbatim and survives writing back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "text/ole_date.h"
#include "tracking/history_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseHistoryLine(line);
    if (!parsed) return 0;
    FUZZ_CHECK(!parsed->path.empty());
    FUZZ_CHECK(line.ends_with(parsed->path));
    FUZZ_CHECK(parsed->day >= 0 && parsed->day <= DayNumberFromDate({kOleLastYear, 12, 31}));

    // Written again at noon of its day, the line reads back as the same day and path.
    std::string written = FormatHistoryLine(parsed->day + 0.5, parsed->path);
    FUZZ_CHECK(written.ends_with("\r\n"));
    written.resize(written.size() - 2);
    // Lines of 10 bytes or fewer are rejected by rule; only days before 1900 with one-byte paths
    // come out that short.
    if (written.size() <= 10) return 0;
    const auto again = ParseHistoryLine(written);
    FUZZ_CHECK(again && again->day == parsed->day && again->path == parsed->path);
    return 0;
}
