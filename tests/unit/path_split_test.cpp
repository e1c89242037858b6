// Path splitting agrees with the C runtime's _splitpath on the cases that decide an extension.
#include "text/path_split.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* path;
    const char* drive;
    const char* folder;
    const char* base;
    const char* extension;
};

class SplitPathTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitPathTest, Parts) {
    const SplitCase& c = GetParam();
    const PathParts parts = SplitPath(c.path);
    EXPECT_EQ(parts.drive, c.drive);
    EXPECT_EQ(parts.folder, c.folder);
    EXPECT_EQ(parts.baseName, c.base);
    EXPECT_EQ(parts.extension, c.extension);
    EXPECT_EQ(PathExtension(c.path), c.extension);
    EXPECT_EQ(BaseNameOffset(c.path), parts.drive.size() + parts.folder.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitPathTest,
    testing::Values(SplitCase{"C:\\docs\\report.final.docx", "C:", "\\docs\\", "report.final", ".docx"},
                    SplitCase{"C:\\", "C:", "\\", "", ""},
                    SplitCase{"C:\\Users\\", "C:", "\\Users\\", "", ""},
                    SplitCase{"C:\\Temp\\page", "C:", "\\Temp\\", "page", ""},
                    SplitCase{"C:\\dot.folder\\page", "C:", "\\dot.folder\\", "page", ""},
                    SplitCase{"E:\\repo\\.git", "E:", "\\repo\\", "", ".git"},
                    SplitCase{"notes.", "", "", "notes", "."},
                    SplitCase{"\\\\server\\share\\a b.txt", "", "\\\\server\\share\\", "a b", ".txt"},
                    SplitCase{"/home/user/a.tar.gz", "", "/home/user/", "a.tar", ".gz"},
                    SplitCase{"", "", "", "", ""}));

TEST(ReplaceExtension, PutsTheHistoryBesideTheProgram) {
    EXPECT_EQ(ReplaceExtension("C:\\Program Files\\Kestrum\\Kestrum.exe", "dat"),
              "C:\\Program Files\\Kestrum\\Kestrum.dat");
    EXPECT_EQ(ReplaceExtension("/opt/k/Kestrum", "dat"), "/opt/k/Kestrum.dat");
}

}  // namespace
