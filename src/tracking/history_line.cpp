// Writing and parsing history lines, locale-independent, with a fast path for our own format.
#include "tracking/history_line.h"

#include <charconv>
#include <cstdlib>

#include "text/ole_date.h"

std::string FormatHistoryLine(double oleDate, std::string_view path) {
    char date[64];
    const auto result = std::to_chars(date, date + sizeof date, oleDate, std::chars_format::fixed, 6);
    std::string line(date, result.ptr);
    line.reserve(line.size() + path.size() + 3);
    line += ' ';
    line += path;
    line += "\r\n";
    return line;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    return text;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The form we write ourselves: 1 to 7 digits, ".", up to 6 digits. Such a value cannot round
// up to the next day, so its day is the integer part.
std::optional<double> ParseFixedDate(std::string_view text) {
    size_t i = 0;
    int64_t whole = 0;
    while (i < text.size() && IsDigit(text[i]) && i < 7) whole = whole * 10 + (text[i++] - '0');
    if (i == 0 || i == text.size() || text[i] != '.') return std::nullopt;
    const size_t dot = i++;
    int64_t fraction = 0;
    while (i < text.size() && IsDigit(text[i]) && i - dot <= 6) fraction = fraction * 10 + (text[i++] - '0');
    if (i != text.size()) return std::nullopt;
    static constexpr double kScale[] = {1, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6};
    return static_cast<double>(whole) + static_cast<double>(fraction) * kScale[i - dot - 1];
}

// Anything else goes through the standard conversion: leading white space skipped, stops at
// the first character that does not fit, nothing convertible gives 0.
double ParseGeneralDate(std::string_view text) {
    const std::string copy(text);
    return std::strtod(copy.c_str(), nullptr);
}

}  // namespace

std::optional<HistoryLine> ParseHistoryLine(std::string_view line) {
    if (line.size() <= 10) return std::nullopt;
    const size_t blank = line.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;

    const std::string_view dateText = line.substr(0, blank);
    const std::optional<double> fixed = ParseFixedDate(dateText);
    const double value = fixed ? *fixed : ParseGeneralDate(dateText);
    const std::optional<int32_t> day = DayOfPositiveOleDate(value);
    if (!day) return std::nullopt;

    const std::string_view path = line.substr(blank + 1);
    if (path.empty()) return std::nullopt;
    return HistoryLine{*day, path};
}
