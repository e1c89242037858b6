// Case folding decides which paths are the same document and which extensions share a tab.
#include "tracking/case_fold.h"

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

}  // namespace
