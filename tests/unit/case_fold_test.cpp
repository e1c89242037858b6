// Case folding decides which paths are the same document and which extensions share a tab.
#include "text/case_fold.h"

#include <gtest/gtest.h>

namespace {

TEST(FoldCase, FoldsTheScriptsOfFileNames) {
    EXPECT_EQ(FoldCase("C:\\Docs\\Report.DOCX"), "c:\\docs\\report.docx");
    EXPECT_EQ(FoldCase("ÄÖÜ ÉÈ Ÿ Ł Ž"), "äöü éè ÿ ł ž");
    EXPECT_EQ(FoldCase("ПАПКА Ёлка"), "папка ёлка");
    EXPECT_EQ(FoldCase("ΑΒΓΔ"), "αβγδ");
}

TEST(FoldCase, LeavesEverythingElseAlone) {
    EXPECT_EQ(FoldCase("日本語 ß × 😀 123"), "日本語 ß × 😀 123");
    EXPECT_EQ(FoldCase("caf\xE9"), "caf\xE9");     // invalid bytes pass through
    EXPECT_EQ(FoldCase("\xC1\x81"), "\xC1\x81");   // an overlong "A" is not a letter
    EXPECT_EQ(FoldCase(""), "");
}

TEST(FoldCase, EveryTwoByteCharacterFoldsToAValidTwoByteCharacterOnce) {
    for (char32_t code = 0x80; code < 0x800; ++code) {
        const std::string text{static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
        const std::string folded = FoldCase(text);
        ASSERT_EQ(folded.size(), 2u) << "U+" << std::hex << static_cast<uint32_t>(code);
        EXPECT_EQ(static_cast<unsigned char>(folded[0]) & 0xE0, 0xC0u) << std::hex << static_cast<uint32_t>(code);
        EXPECT_EQ(static_cast<unsigned char>(folded[1]) & 0xC0, 0x80u) << std::hex << static_cast<uint32_t>(code);
        EXPECT_GE(static_cast<unsigned char>(folded[0]), 0xC2u) << "not overlong: U+" << std::hex << static_cast<uint32_t>(code);
        EXPECT_EQ(FoldCase(folded), folded) << "folding twice changes nothing: U+" << std::hex << static_cast<uint32_t>(code);
    }
}

}  // namespace
