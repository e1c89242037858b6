// Sending documents to the Recycle Bin: only regular files go, whole or not at all. The harness
// points Wine's trash, the Recycle Bin, at a folder of the run through XDG_DATA_HOME.
#include "tracking/recycle_bin.h"

#include <gtest/gtest.h>

#include <string>

#include "wine_test_support.h"

using namespace testsupport;

namespace {

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class RecycleBinTest : public testing::Test {
protected:
    ScratchFolder folder_{"kestrum-recycle"};
};

TEST_F(RecycleBinTest, ARegularFileGoesToTheBinWhole) {
    const std::string trash = TrashFilesFolder();
    ASSERT_FALSE(trash.empty()) << "the harness sets XDG_DATA_HOME";
    const std::string name = "bin me \xC3\xBC.txt";
    ::DeleteFileA((trash + name).c_str());
    const std::string path = folder_.Path() + name;
    ASSERT_TRUE(WriteFile(path, "content"));
    EXPECT_EQ(SendToRecycleBin(nullptr, path), RecycleResult::Recycled);
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(ReadFile(trash + name), "content");
}

TEST_F(RecycleBinTest, WhatIsNotARegularFileOrNotAPathIsRefusedAndLeftAlone) {
    // A history line can name a folder ("Photos.2020"): deleting it would take the whole tree.
    const std::string folder = folder_.Path() + "Photos.2020";
    ASSERT_TRUE(WriteFile(folder + "\\inside.jpg", "picture"));
    const std::string kept = folder_.Path() + "kept.txt";
    ASSERT_TRUE(WriteFile(kept, "kept"));
    // What a lossy conversion of the byte 0xFF would name: U+FFFD.
    const std::string replacement = folder_.Path() + "kept\xEF\xBF\xBD.txt";
    ASSERT_TRUE(WriteFile(replacement, "replacement"));
    const struct {
        std::string path;
        const char* why;
    } cases[] = {
        {folder, "a folder"},
        {folder_.Path() + "missing.txt", "a document that is gone"},
        {folder_.Path() + "kept\xFF.txt", "text that is not UTF-8 would name another file"},
        {kept + std::string(1, '\0') + "tail", "a NUL would cut the path"},
        {"", "no path"},
    };
    for (const auto& c : cases) EXPECT_EQ(SendToRecycleBin(nullptr, c.path), RecycleResult::Failed) << c.why;
    EXPECT_EQ(ReadFile(folder + "\\inside.jpg"), "picture");
    EXPECT_EQ(ReadFile(kept), "kept");
    EXPECT_EQ(ReadFile(replacement), "replacement");
}

}  // namespace
