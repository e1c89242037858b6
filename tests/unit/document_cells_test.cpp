// Name, Folder and Size cells of a document row.
#include "tracking/document_cells.h"

#include <gtest/gtest.h>

namespace {

TEST(SplitNameAndFolder, FolderFollowedByNameIsThePathAgain) {
    for (const char* path : {"C:\\My Docs\\a b.txt", "\\\\server\\share\\x.pdf", "C:\\noext", "relative.txt"}) {
        const NameAndFolder cells = SplitNameAndFolder(path);
        EXPECT_EQ(cells.folder + cells.name, path);
    }
    EXPECT_EQ(SplitNameAndFolder("C:\\My Docs\\a b.txt").name, "a b.txt");
    EXPECT_EQ(SplitNameAndFolder("C:\\My Docs\\a b.txt").folder, "C:\\My Docs\\");
}

TEST(SizeInKilobytes, SmallFilesShowOneAndEmptyFilesZero) {
    EXPECT_EQ(SizeInKilobytes(0), 0u);
    EXPECT_EQ(SizeInKilobytes(1), 1u);
    EXPECT_EQ(SizeInKilobytes(1023), 1u);
    EXPECT_EQ(SizeInKilobytes(1024), 1u);
    EXPECT_EQ(SizeInKilobytes(2047), 1u);
    EXPECT_EQ(SizeInKilobytes(2048), 2u);
    EXPECT_EQ(SizeInKilobytes(5ull << 40), 5ull << 30);
}

TEST(SizeCellValue, ReadsLeadingDigitsOnly) {
    EXPECT_EQ(SizeCellValue("10"), 10u);
    EXPECT_EQ(SizeCellValue(""), 0u);
    EXPECT_EQ(SizeCellValue("abc"), 0u);
    EXPECT_EQ(SizeCellValue("12 KB"), 12u);
}

}  // namespace
