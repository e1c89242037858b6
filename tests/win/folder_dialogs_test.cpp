// The folder dialog with its writable-folder probe, and the file dialog, driven by a timer.
#include "ui/folder_dialogs.h"

#include <gtest/gtest.h>

#include "framework/com_ptr.h"
#include "framework/win_handles.h"
#include "thread_window_driver.h"
#include "ui/text_lookup.h"

namespace {

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string TempFolder(const char* name) {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + name;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// A folder that refuses new files to everyone. A read-only attribute does not (Wine ignores it
// on folders, and the tests may run as root), but the system's sysfs mount does.
std::string ReadOnlyFolder() {
    const std::string folder = "Z:\\sys";
    const DWORD attributes = ::GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
    return folder;
}

struct ChildTextSearch {
    const std::string* text;
    bool found;
};

BOOL CALLBACK MatchText(HWND child, LPARAM parameter) {
    auto& search = *reinterpret_cast<ChildTextSearch*>(parameter);
    char text[MAX_PATH * 2] = {};
    ::GetWindowTextA(child, text, sizeof text);
    if (EqualsIgnoringCase(text, *search.text)) search.found = true;
    return !search.found;
}

bool ShowsText(HWND dialog, const std::string& text) {
    ChildTextSearch search{&text, false};
    ::EnumChildWindows(dialog, &MatchText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class FolderDialogsTest : public testing::Test {
protected:
    void SetUp() override {
        writable = TempFolder("kestrum-browse");
        probe = writable + "\\$$xtemp$$.tmp";
        ::DeleteFileA(probe.c_str());
    }
    void TearDown() override {
        ::DeleteFileA(probe.c_str());
        ::RemoveDirectoryA(writable.c_str());
    }

    ComInit com;
    std::string writable;
    std::string probe;
};

TEST_F(FolderDialogsTest, WritableFolderPassesAndKeepsNoProbe) {
    EXPECT_TRUE(IsFolderWritable(writable));
    EXPECT_FALSE(Exists(probe));
    EXPECT_TRUE(IsFolderWritable(writable + "\\"));
    EXPECT_FALSE(Exists(probe));
}

TEST_F(FolderDialogsTest, ReadOnlyOrMissingFolderFails) {
    const std::string readOnly = ReadOnlyFolder();
    if (readOnly.empty()) GTEST_SKIP() << "no read-only folder on this system";
    EXPECT_FALSE(IsFolderWritable(readOnly));
    EXPECT_FALSE(Exists(readOnly + "\\$$xtemp$$.tmp"));
    EXPECT_FALSE(IsFolderWritable(writable + "\\missing"));
    EXPECT_FALSE(IsFolderWritable(""));
}

TEST_F(FolderDialogsTest, AForeignFileOfTheProbeNameIsLeftAlone) {
    {
        const UniqueKernelHandle file(::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        ASSERT_TRUE(file);
        DWORD written = 0;
        ASSERT_TRUE(::WriteFile(file.get(), "mine", 4, &written, nullptr));
    }

    EXPECT_FALSE(IsFolderWritable(writable));
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(::GetFileAttributesExA(probe.c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, 4u);
}

TEST_F(FolderDialogsTest, BrowseWritableOnlyKeepsOkDisabledWhereNoFileCanBeMade) {
    // The folder tree of Wine's dialog cannot reach the sysfs mount, so the folder refuses the
    // probe another way: a folder of the probe's name already stands in it.
    ASSERT_TRUE(::CreateDirectoryA(probe.c_str(), nullptr));
    bool okEnabled = true;
    bool statusShown = false;
    ThreadWindowDriver driver("#32770", [&](HWND dialog) {
        okEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDOK)) != FALSE;
        statusShown = ShowsText(dialog, writable);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    std::string path = writable;
    EXPECT_FALSE(BrowseFolder("Choose", path, true, nullptr));
    ::RemoveDirectoryA(probe.c_str());
    ASSERT_TRUE(driver.Ran());
    EXPECT_TRUE(statusShown);
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(path, "");
}

TEST_F(FolderDialogsTest, BrowseWritableOnlyReturnsAWritableFolderOnOk) {
    bool okEnabled = false;
    ThreadWindowDriver driver("#32770", [&](HWND dialog) {
        okEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDOK)) != FALSE;
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    std::string path = writable;
    EXPECT_TRUE(BrowseFolder("Choose", path, true, nullptr));
    ASSERT_TRUE(driver.Ran());
    EXPECT_TRUE(okEnabled);
    EXPECT_TRUE(EqualsIgnoringCase(path, writable)) << path;
    EXPECT_FALSE(Exists(probe));
}

TEST_F(FolderDialogsTest, BrowseStartsInTheCurrentDirectoryForAnEmptyPath) {
    char current[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, current);
    ASSERT_TRUE(::SetCurrentDirectoryA(writable.c_str()));
    ThreadWindowDriver driver("#32770", [](HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDOK, 0); });
    std::string path;
    const bool chosen = BrowseFolder("Choose", path, false, nullptr);
    ::SetCurrentDirectoryA(current);
    ASSERT_TRUE(driver.Ran());
    EXPECT_TRUE(chosen);
    EXPECT_TRUE(EqualsIgnoringCase(path, writable)) << path;
}

TEST_F(FolderDialogsTest, AskFileNameWithoutAFilterShowsNothing) {
    std::string path = "stale";
    EXPECT_FALSE(AskFileName(true, path, "", "htm", nullptr, 1));
    EXPECT_EQ(path, "");
    path = "stale";
    EXPECT_FALSE(AskFileName(false, path, "||", "htm", nullptr, 1));
    EXPECT_EQ(path, "");
}

TEST_F(FolderDialogsTest, AskFileNameCancelledLeavesThePathEmpty) {
    ThreadWindowDriver driver("#32770", [](HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    std::string path = "stale";
    EXPECT_FALSE(AskFileName(false, path, "Text|*.txt|", "txt", nullptr, 1));
    ASSERT_TRUE(driver.Ran());
    EXPECT_EQ(path, "");
}

TEST_F(FolderDialogsTest, AskFileNameSaveAddsTheDefaultExtension) {
    const std::string typed = writable + "\\list";
    ThreadWindowDriver driver("#32770", [&](HWND dialog) {
        // The file name field of the Explorer-style dialog (cmb13), or of the old style (edt1).
        HWND name = ::GetDlgItem(dialog, 0x47C);
        if (!name) name = ::GetDlgItem(dialog, 0x480);
        ::SetWindowTextA(name, typed.c_str());
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    std::string path;
    EXPECT_TRUE(AskFileName(true, path, "HTML|*.htm|Text|*.csv", "htm", nullptr, 1));
    ASSERT_TRUE(driver.Ran());
    EXPECT_TRUE(EqualsIgnoringCase(path, typed + ".htm")) << path;
}

}  // namespace
