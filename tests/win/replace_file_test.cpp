// Replacing a file's content through a file beside it: the old content survives every failure
// and no stray file is left behind.
#include "tracking/replace_file.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "wine_test_support.h"

using namespace testsupport;
namespace fs = std::filesystem;

namespace {

// The names in the folder, sorted.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::u8path(folder))) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplaceFileContent, WritesOrLeavesTheOldContent) {
    enum class Before { Nothing, File, Folder };
    struct Case {
        const char* name;  // in the scratch folder
        Before before;
        const char* content;
        bool succeeds;
        std::vector<std::string> namesAfter;
    };
    const Case cases[] = {
        {"new.htm", Before::Nothing, "<html>\r\n", true, {"new.htm"}},
        {"old.txt", Before::File, "new content\r\n", true, {"old.txt"}},
        {"empty.txt", Before::File, "", true, {"empty.txt"}},
        {"M\xC3\xBCller.txt", Before::File, "\xC3\xBC", true, {"M\xC3\xBCller.txt"}},
        {"missing\\list.htm", Before::Nothing, "x", false, {}},
        {"sub", Before::Folder, "x", false, {"sub"}},
    };
    for (const Case& c : cases) {
        const ScratchFolder folder("kestrum-replace");
        const std::string target = folder.Path() + c.name;
        const std::string old = "old content";
        if (c.before == Before::File) {
            ASSERT_TRUE(WriteFile(target, old));
        } else if (c.before == Before::Folder) {
            ASSERT_TRUE(WriteFile(target + "\\inside.txt", old));
        }

        EXPECT_EQ(ReplaceFileContent(target, c.content), c.succeeds) << c.name;
        EXPECT_EQ(Names(folder.Path()), c.namesAfter) << c.name;
        if (c.succeeds) {
            EXPECT_EQ(ReadFile(target), c.content) << c.name;
        } else if (c.before == Before::Folder) {
            EXPECT_TRUE(fs::is_directory(fs::u8path(target))) << c.name;
            EXPECT_EQ(ReadFile(target + "\\inside.txt"), old) << c.name;
        }
    }
}

// A file another program holds open without sharing cannot be replaced; it keeps its content.
TEST(ReplaceFileContent, LockedTargetKeepsItsContent) {
    const ScratchFolder folder("kestrum-replace");
    const std::string target = folder.Path() + "locked.txt";
    ASSERT_TRUE(WriteFile(target, "old"));
    const HANDLE lock = ::CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(ReplaceFileContent(target, "new"));
    ::CloseHandle(lock);
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"locked.txt"});
}

}  // namespace
