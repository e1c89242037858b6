// UTF-8 validation decides which history lines were written in a legacy code page.
#include "text/utf8.h"

#include <gtest/gtest.h>

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

}  // namespace
