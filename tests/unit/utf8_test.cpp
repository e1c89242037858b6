// UTF-8 validation decides which history lines were written in a legacy code page.
#include "text/utf8.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

TEST(IsValidUtf8, AcceptsWellFormedText) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("C:\\plain ascii.txt"));
    EXPECT_TRUE(IsValidUtf8("C:\\Пользователь\\日本\\😀.txt"));
    EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF
}

TEST(IsValidUtf8, RejectsLegacyAndMalformedBytes) {
    EXPECT_FALSE(IsValidUtf8("C:\\caf\xE9.txt"));                   // cp1252 é
    EXPECT_FALSE(IsValidUtf8("C:\\\xCF\xEE\xEB\xFC\xE7.txt"));      // cp1251 Cyrillic
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));                          // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));                      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));                      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));                  // past U+10FFFF
    EXPECT_FALSE(IsValidUtf8("ab\xE6\x97"));                        // cut short
    EXPECT_FALSE(IsValidUtf8("\x80"));                              // lone continuation
}

// Each case: the text, then what successive calls give (-1: a malformed byte) and where they stop.
struct DecodeCase {
    const char* text;
    std::vector<long> points;
    std::vector<size_t> ends;
};

TEST(NextCodePoint, DecodesOrSkipsOneByte) {
    const DecodeCase cases[] = {
        {"a", {'a'}, {1}},
        {"\xC3\xA9", {0xE9}, {2}},
        {"\xE6\x97\xA5x", {0x65E5, 'x'}, {3, 4}},
        {"\xF0\x9F\x98\x80", {0x1F600}, {4}},
        {"\xF4\x8F\xBF\xBF", {0x10FFFF}, {4}},
        {"caf\xE9!", {'c', 'a', 'f', -1, '!'}, {1, 2, 3, 4, 5}},  // cp1252: one byte skipped
        {"\xE6\x97", {-1, -1}, {1, 2}},                          // cut short
        {"\xE6\x97x", {-1, -1, 'x'}, {1, 2, 3}},                  // broken by an ASCII byte
        {"\xC0\xAF", {-1, -1}, {1, 2}},                          // overlong
        {"\xED\xA0\x80", {-1, -1, -1}, {1, 2, 3}},               // surrogate
        {"\xF4\x90\x80\x80", {-1, -1, -1, -1}, {1, 2, 3, 4}},    // past U+10FFFF
    };
    for (const DecodeCase& c : cases) {
        const std::string_view text = c.text;
        std::vector<long> points;
        std::vector<size_t> ends;
        for (size_t pos = 0; pos < text.size();) {
            const std::optional<char32_t> point = NextCodePoint(text, pos);
            points.push_back(point ? static_cast<long>(*point) : -1);
            ends.push_back(pos);
        }
        EXPECT_EQ(points, c.points) << c.text;
        EXPECT_EQ(ends, c.ends) << c.text;
    }
}

}  // namespace
