// The history line format and the parse rules every reader of the history shares.
#include "tracking/history_line.h"

#include <gtest/gtest.h>

#include "text/ole_date.h"

namespace {

int32_t Day(int y, int m, int d) { return DayNumberFromDate({y, m, d}); }

TEST(FormatHistoryLine, PrintsSixDecimalsBlankPathAndCrLf) {
    const double date = *OleDateFromCalendar({2007, 2, 6, 13, 0, 0, 0});
    EXPECT_EQ(FormatHistoryLine(date, "C:\\My Files\\a b.txt"), "39119.541667 C:\\My Files\\a b.txt\r\n");
    EXPECT_EQ(FormatHistoryLine(1.0, "x"), "1.000000 x\r\n");
}

TEST(FormatHistoryLine, RoundTripsPathsWithBlanksAndNonAscii) {
    const std::string path = "C:\\Some Folder\\Ünïcode 日本 name .docx ";
    const std::string line = FormatHistoryLine(45000.25, path);
    const auto parsed = ParseHistoryLine(std::string_view(line).substr(0, line.size() - 2));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->path, path);
    EXPECT_EQ(parsed->day, 45000);
}

TEST(ParseHistoryLine, DropsTheTimeOfDay) {
    const auto morning = ParseHistoryLine("39119.000001 C:\\a.txt");
    const auto evening = ParseHistoryLine("39119.999999 C:\\a.txt");
    ASSERT_TRUE(morning && evening);
    EXPECT_EQ(morning->day, Day(2007, 2, 6));
    EXPECT_EQ(evening->day, morning->day);
}

struct RejectCase {
    const char* line;
    const char* why;
};

class ParseHistoryLineRejects : public testing::TestWithParam<RejectCase> {};

TEST_P(ParseHistoryLineRejects, Line) {
    EXPECT_FALSE(ParseHistoryLine(GetParam().line)) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, ParseHistoryLineRejects,
    testing::Values(RejectCase{"", "empty"},
                    RejectCase{"1.5 C:\\a.b", "exactly ten bytes"},
                    RejectCase{"39119.541667", "no blank"},
                    RejectCase{"39119.541667 ", "empty path"},
                    RejectCase{"0.000000 C:\\a.txt", "zero date"},
                    RejectCase{"-1.000000 C:\\a.txt", "negative date"},
                    RejectCase{"yesterday C:\\a.txt", "not a number"},
                    RejectCase{" 39119.541667 C:\\a.txt", "blank first: the date text is empty"},
                    RejectCase{"2958466.000000 C:\\a.txt", "1 January 10000"},
                    RejectCase{"1e300 C:\\a.txt.txt", "far beyond the year 9999"},
                    RejectCase{"nan C:\\docs\\a.txt", "not a number"}));

TEST(ParseHistoryLine, AcceptsElevenBytes) {
    const auto parsed = ParseHistoryLine("1.5 C:\\a.bc");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->day, 1);
    EXPECT_EQ(parsed->path, "C:\\a.bc");
}

TEST(ParseHistoryLine, KeepsEveryBlankAfterTheFirst) {
    const auto parsed = ParseHistoryLine("39119.541667  C:\\a  b.txt  ");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->path, " C:\\a  b.txt  ");
}

TEST(ParseHistoryLine, FallsBackToTheStandardConversion) {
    // Hand-edited dates: fewer or more decimals, an exponent, trailing junk after the number.
    EXPECT_EQ(ParseHistoryLine("39119 C:\\a.txt")->day, Day(2007, 2, 6));
    EXPECT_EQ(ParseHistoryLine("39119.5416666667 C:\\a.txt")->day, Day(2007, 2, 6));
    EXPECT_EQ(ParseHistoryLine("3.91195e4 C:\\a.txt")->day, Day(2007, 2, 6));
    EXPECT_EQ(ParseHistoryLine("39119.5abc C:\\a.txt")->day, Day(2007, 2, 6));
    EXPECT_EQ(ParseHistoryLine("\t39119.5 C:\\a.txt")->day, Day(2007, 2, 6));
    // Many nines round up to the next day in the standard conversion.
    EXPECT_EQ(ParseHistoryLine("39119.99999999999999999 C:\\a.txt")->day, Day(2007, 2, 7));
}

TEST(ParseHistoryLine, AcceptsTheLastSupportedDay) {
    const auto parsed = ParseHistoryLine("2958465.999999 C:\\a.txt");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(DateFromDayNumber(parsed->day), (CalendarDate{9999, 12, 31}));
}

}  // namespace
