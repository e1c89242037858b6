// The document information dialog on real files: sizes up to beyond 4 GiB, the three times in
// their own fields, the attributes, and no dialog for a folder or a vanished document.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/win_handles.h"
#include "language/message_text.h"
#include "panes/document_info_dialog.h"
#include "resource.h"
#include "text/locale_text.h"
#include "wine_test_support.h"

using namespace testsupport;

namespace {

// A file of `size` bytes; past the first bytes it is a hole, so that gigabytes cost nothing.
bool MakeFile(const std::string& path, uint64_t size) {
    const UniqueKernelHandle file(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    return ::SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file.get());
}

// 100 ns units since 1601 of a UTC day at noon.
uint64_t UtcTime(WORD year, WORD month, WORD day) {
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = 12;
    FILETIME file;
    ::SystemTimeToFileTime(&time, &file);
    return (static_cast<uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
}

FILETIME AsFileTime(uint64_t value) { return {static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)}; }

// A document type of the test's own, so that the shell's name for it is known. Wine's shell reads
// the machine-wide classes only.
constexpr char kTypeKey[] = ".kqinfo";
constexpr char kClassKey[] = "KestrumInfoTest";
constexpr char kTypeName[] = "Kestrum Test Sheet";

class DocumentInfoTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ::RegSetValueA(HKEY_CLASSES_ROOT, kTypeKey, REG_SZ, "KestrumInfoTest", 0);
        ::RegSetValueA(HKEY_CLASSES_ROOT, kClassKey, REG_SZ, kTypeName, 0);
    }
    static void TearDownTestSuite() {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kTypeKey);
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kClassKey);
    }

    ScratchFolder scratch{"kestrum-info"};
};

TEST_F(DocumentInfoTest, SizesAreWholeKilobytesWithSmallFilesShowingOne) {
    struct Case {
        const char* name;
        uint64_t bytes;
        const char* shown;
    };
    const Case cases[] = {
        {"empty.kqinfo", 0, "0"},
        {"one.kqinfo", 1, "1"},
        {"almost two.kqinfo", 2047, "1"},
        {"two.KQINFO", 2048, "2"},
        {"huge.kqinfo", (5ull << 30) + 1, "5242880"},  // beyond what 32 bits hold
    };
    for (const Case& c : cases) {
        const std::string path = scratch.Path() + c.name;
        ASSERT_TRUE(MakeFile(path, c.bytes)) << c.name;
        CDialogDocumentInfo dialog;
        ASSERT_TRUE(dialog.SetPath(path));
        ASSERT_TRUE(dialog.Create(nullptr)) << c.name;
        EXPECT_EQ(dialog.ItemText(IDC_INFO_SIZE), c.shown) << c.name;
        EXPECT_EQ(dialog.ItemText(IDC_INFO_NAME), c.name);
        EXPECT_EQ(dialog.ItemText(IDC_INFO_FOLDER), scratch.Path());
        EXPECT_EQ(dialog.ItemText(IDC_INFO_TYPE), kTypeName);
        ::DeleteFileA(path.c_str());
    }
}

// The file system under Wine keeps no creation time of its own (it shows another of the file's
// times), so only the access and write times can be set apart; creation shows what the system says.
TEST_F(DocumentInfoTest, EachTimeShowsInItsOwnField) {
    const std::string path = scratch.Path() + "dated.dat";
    ASSERT_TRUE(MakeFile(path, 10));
    const uint64_t created = UtcTime(2001, 2, 3), accessed = UtcTime(2002, 3, 4), modified = UtcTime(2003, 4, 5);
    {
        const UniqueKernelHandle file(
            ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        const FILETIME c = AsFileTime(created), a = AsFileTime(accessed), m = AsFileTime(modified);
        ASSERT_TRUE(::SetFileTime(file.get(), &c, &a, &m));
    }
    WIN32_FILE_ATTRIBUTE_DATA facts;
    ASSERT_TRUE(::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &facts));
    const uint64_t systemCreated =
        (static_cast<uint64_t>(facts.ftCreationTime.dwHighDateTime) << 32) | facts.ftCreationTime.dwLowDateTime;
    CDialogDocumentInfo dialog;
    ASSERT_TRUE(dialog.SetPath(path));
    ASSERT_TRUE(dialog.Create(nullptr));
    const struct {
        int id;
        uint64_t time;
        const char* year;
    } fields[] = {{IDC_INFO_CREATED, systemCreated, nullptr}, {IDC_INFO_ACCESSED, accessed, "2002"}, {IDC_INFO_MODIFIED, modified, "2003"}};
    for (const auto& field : fields) {
        const std::string shown = dialog.ItemText(field.id);
        EXPECT_EQ(shown, FormatFileTime(field.time));
        if (field.year != nullptr) {
            EXPECT_NE(shown.find(field.year), std::string::npos) << shown;
        }
    }
}

TEST_F(DocumentInfoTest, SetAttributesShowYesAndOthersStayEmpty) {
    // Wine reports every file as archived whatever was set: the attributes read back are expected.
    const DWORD cases[] = {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN,
                           FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM};
    const struct {
        int id;
        DWORD attribute;
    } fields[] = {{IDC_INFO_READ_ONLY, FILE_ATTRIBUTE_READONLY}, {IDC_INFO_HIDDEN, FILE_ATTRIBUTE_HIDDEN},
                  {IDC_INFO_SYSTEM, FILE_ATTRIBUTE_SYSTEM}, {IDC_INFO_ARCHIVE, FILE_ATTRIBUTE_ARCHIVE}};
    const std::string yes = MessageText(1900);
    ASSERT_FALSE(yes.empty());
    const std::string path = scratch.Path() + "flags.txt";
    ASSERT_TRUE(MakeFile(path, 1));
    for (const DWORD set : cases) {
        ASSERT_TRUE(::SetFileAttributesA(path.c_str(), set));
        const DWORD attributes = ::GetFileAttributesA(path.c_str());
        // The three that Wine keeps must have come back as set.
        ASSERT_EQ(attributes & ~FILE_ATTRIBUTE_ARCHIVE, set & ~FILE_ATTRIBUTE_ARCHIVE & ~FILE_ATTRIBUTE_NORMAL);
        CDialogDocumentInfo dialog;
        ASSERT_TRUE(dialog.SetPath(path));
        ASSERT_TRUE(dialog.Create(nullptr));
        for (const auto& field : fields) {
            EXPECT_EQ(dialog.ItemText(field.id), (attributes & field.attribute) != 0 ? yes : "") << set << " " << field.id;
        }
    }
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(DocumentInfoTest, AFolderOrAVanishedDocumentEndsTheDialogAtOnce) {
    for (const std::string& path : {scratch.Path(), scratch.Path() + "gone.txt"}) {
        CDialogDocumentInfo dialog;
        ASSERT_TRUE(dialog.SetPath(path));
        EXPECT_FALSE(dialog.Create(nullptr)) << path;
        EXPECT_EQ(dialog.Result(), IDCANCEL) << path;
    }
    CDialogDocumentInfo dialog;
    EXPECT_FALSE(dialog.SetPath(""));
}

TEST_F(DocumentInfoTest, ThePathIsFixedOnceTheWindowExistsAndCloseCancels) {
    const std::string path = scratch.Path() + "first.txt";
    ASSERT_TRUE(MakeFile(path, 3));
    ASSERT_TRUE(MakeFile(scratch.Path() + "second.txt", 3));
    CDialogDocumentInfo dialog;
    ASSERT_TRUE(dialog.SetPath(path));
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_FALSE(dialog.SetPath(scratch.Path() + "second.txt"));
    EXPECT_EQ(dialog.ItemText(IDC_INFO_NAME), "first.txt");
    ::SendMessageA(dialog.Item(IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_EQ(dialog.Result(), IDCANCEL);
}

}  // namespace
