// The save-list dialog driven modeless as a user would: the OK rule, the format a name picks,
// the bytes written, failures that keep the old file, the opener, the browse button, and the
// page's links leading back to the documents.
#include "panes/save_list_dialog.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <utility>
#include <vector>

#include "framework/wide_text.h"
#include "language/message_table.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "language_test_support.h"
#include "registry_test_support.h"
#include "resource.h"
#include "settings/registry_list.h"
#include "thread_window_driver.h"
#include "wine_test_support.h"

using namespace testsupport;

namespace {

class SaveListDialogTest : public testing::Test {
protected:
    void SetUp() override { DeleteSettingsBranch(); }
    void TearDown() override { DeleteSettingsBranch(); }

    // A dialog with the test's table and an opener that records; created hidden and modeless.
    void Open(CDialogSaveList& dialog) {
        dialog.SetSource([this] { return table_; });
        dialog.SetOpener([this](HWND, const std::string& target) {
            opened_.push_back(target);
            return true;
        });
        ASSERT_TRUE(dialog.Create(nullptr));
    }
    // Types the name into the combo box's edit field key by key, over what it held.
    static void TypeName(HWND dialog, const std::string& name) {
        const HWND edit = ::FindWindowExA(::GetDlgItem(dialog, IDC_SAVE_LIST_NAME), nullptr, "Edit", nullptr);
        ::SendMessageA(edit, EM_SETSEL, 0, -1);
        if (name.empty()) ::SendMessageA(edit, WM_CHAR, VK_BACK, 0);
        for (const char c : name) ::SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 0);
    }
    static bool OkEnabled(HWND dialog) { return ::IsWindowEnabled(::GetDlgItem(dialog, IDOK)) != FALSE; }
    static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    static void SetOpenBox(HWND dialog, bool on) {
        ::CheckDlgButton(dialog, IDC_SAVE_LIST_OPEN, on ? BST_CHECKED : BST_UNCHECKED);
    }
    // Types the name, clicks OK and returns the text of the message box that followed, if any.
    static std::string SaveAs(CDialogSaveList& dialog, const std::string& name) {
        TypeName(dialog.hwnd(), name);
        std::atomic<bool> clicked{false};
        auto box = std::async(std::launch::async, [&clicked] {
            std::string text;
            WaitUntil(
                [&] {
                    const HWND found = ::FindWindowA("#32770", "Kestrum");
                    if (found == nullptr) return clicked.load();
                    char buffer[1024] = {};
                    ::GetDlgItemTextA(found, 0xFFFF, buffer, sizeof buffer);
                    text = buffer;
                    ::PostMessageA(found, WM_COMMAND, IDOK, 0);
                    return true;
                },
                std::chrono::seconds(5));
            return text;
        });
        // OK runs to its end, message box included, before the click returns.
        Click(dialog.hwnd(), IDOK);
        clicked = true;
        return box.get();
    }

    ScratchFolder folder_{"kestrum-save-list"};
    ListExportTable table_{"Kestrum 9.9",
                           {"Name", "Folder", "Size (KB)", "Accessed", "Created", "Modified"},
                           {{"a, b & c.txt", "C:\\R&D\\", "1", "05.01.2026", "04.01.2026", "05.01.2026"},
                            {"gone.txt", "C:\\Old\\", "", "06.01.2026", "", ""}}};
    std::vector<std::string> opened_;
};

TEST_F(SaveListDialogTest, OkIsEnabledOnlyForANameThatIsNotBlank) {
    CDialogSaveList dialog;
    Open(dialog);
    const HWND d = dialog.hwnd();
    EXPECT_FALSE(OkEnabled(d)) << "nothing typed yet";
    const std::pair<const char*, bool> cases[] = {
        {"a.htm", true}, {"   ", false}, {" x ", true}, {"", false}, {"C:\\l.txt", true}, {" ", false}};
    for (const auto& [name, enabled] : cases) {
        TypeName(d, name);
        EXPECT_EQ(OkEnabled(d), enabled) << '"' << name << '"';
    }
    // Enter on a greyed OK writes nothing and keeps the dialog open.
    TypeName(d, "  ");
    ::SendMessageA(d, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindow(d));
    EXPECT_EQ(dialog.Result(), -1);
}

TEST_F(SaveListDialogTest, OkWritesTheFormatTheExtensionPicks) {
    const std::pair<const char*, ListExportFormat> cases[] = {
        {"list.htm", ListExportFormat::Html}, {"LIST2.HTM", ListExportFormat::Html},
        {"list.html", ListExportFormat::Text}, {"list.txt", ListExportFormat::Text},
        {"list", ListExportFormat::Text}};
    for (const auto& [name, format] : cases) {
        CDialogSaveList dialog;
        Open(dialog);
        SetOpenBox(dialog.hwnd(), false);
        const std::string path = folder_.Path() + name;
        EXPECT_EQ(SaveAs(dialog, "  " + path + " "), "") << name;
        EXPECT_EQ(dialog.Result(), IDOK) << name;
        EXPECT_EQ(dialog.FileName(), path);
        const std::string expected = format == ListExportFormat::Html ? ListExportHtml(table_) : ListExportText(table_);
        EXPECT_EQ(ReadFile(path), expected) << name;
    }
    EXPECT_TRUE(opened_.empty());
}

TEST_F(SaveListDialogTest, AFailedWriteSaysSoWithTheNameAndKeepsTheOldFile) {
    const std::string locked = folder_.Path() + "locked.htm";
    ASSERT_TRUE(WriteFile(locked, "old list"));
    const HANDLE lock = ::CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const std::string cases[] = {
        locked,
        folder_.Path() + "missing\\100%s %d.htm",  // a name that printf would misread
        folder_.Path(),                             // a folder, not a file
    };
    for (const std::string& name : cases) {
        DeleteSettingsBranch();  // or the box completes a name from the previous case
        CDialogSaveList dialog;
        Open(dialog);
        SetOpenBox(dialog.hwnd(), true);
        EXPECT_EQ(SaveAs(dialog, name), "Cannot save list to '" + name + "'");
        EXPECT_EQ(dialog.Result(), IDOK) << name;
    }
    ::CloseHandle(lock);
    EXPECT_EQ(ReadFile(locked), "old list");
    EXPECT_TRUE(opened_.empty()) << "nothing is opened after a failure";
    WIN32_FIND_DATAA found;
    const UniqueFindHandle search(::FindFirstFileA((folder_.Path() + "*.tmp").c_str(), &found));
    EXPECT_FALSE(search) << "a temporary file was left behind: " << found.cFileName;
}

TEST_F(SaveListDialogTest, TheOpenerGetsTheFileOnlyWhenTheBoxIsTicked) {
    for (const bool tick : {true, false}) {
        CDialogSaveList dialog;
        Open(dialog);
        SetOpenBox(dialog.hwnd(), tick);
        const std::string path = folder_.Path() + (tick ? "open.htm" : "closed.htm");
        EXPECT_EQ(SaveAs(dialog, path), "");
        EXPECT_EQ(opened_, tick ? std::vector<std::string>{path} : std::vector<std::string>{}) << tick;
        EXPECT_EQ(SettingsStore().ReadNumber(Setting::FileOpen), tick ? 1u : 0u);
        opened_.clear();
    }
    // The box starts as last stored; unset, it starts ticked.
    CDialogSaveList again;
    Open(again);
    EXPECT_EQ(::IsDlgButtonChecked(again.hwnd(), IDC_SAVE_LIST_OPEN), BST_UNCHECKED);
    DeleteSettingsBranch();
    CDialogSaveList fresh;
    Open(fresh);
    EXPECT_EQ(::IsDlgButtonChecked(fresh.hwnd(), IDC_SAVE_LIST_OPEN), BST_CHECKED);
}

TEST_F(SaveListDialogTest, TheNameGoesToTheTopOfTheSaveFilesList) {
    for (const char* name : {"first.txt", "second.txt"}) {
        CDialogSaveList dialog;
        Open(dialog);
        SetOpenBox(dialog.hwnd(), false);
        EXPECT_EQ(SaveAs(dialog, folder_.Path() + name), "");
    }
    std::vector<std::string> stored;
    ASSERT_TRUE(ReadList(SettingsStore().OpenBranch().get(), "SaveFiles", stored));
    EXPECT_EQ(stored, (std::vector<std::string>{folder_.Path() + "second.txt", folder_.Path() + "first.txt"}));
    CDialogSaveList dialog;
    Open(dialog);
    EXPECT_EQ(::SendMessageA(::GetDlgItem(dialog.hwnd(), IDC_SAVE_LIST_NAME), CB_GETCOUNT, 0, 0), 2);
}

TEST_F(SaveListDialogTest, WithoutASourceTheDialogEndsWithCancel) {
    CDialogSaveList dialog;
    dialog.Create(nullptr);
    EXPECT_EQ(dialog.Result(), IDCANCEL);
}

TEST_F(SaveListDialogTest, BrowsePutsTheChosenFileWithItsExtensionInTheBox) {
    CDialogSaveList dialog;
    Open(dialog);
    const std::string typed = folder_.Path() + "chosen";
    ThreadWindowDriver driver("#32770", [&](HWND files) {
        HWND name = ::GetDlgItem(files, 0x47C);
        if (!name) name = ::GetDlgItem(files, 0x480);
        ::SetWindowTextA(name, typed.c_str());
        ::PostMessageA(files, WM_COMMAND, IDOK, 0);
    });
    Click(dialog.hwnd(), IDC_SAVE_LIST_BROWSE);
    ASSERT_TRUE(driver.Ran());
    char text[MAX_PATH] = {};
    ::GetDlgItemTextA(dialog.hwnd(), IDC_SAVE_LIST_NAME, text, sizeof text);
    EXPECT_TRUE(::lstrcmpiA(text, (typed + ".htm").c_str()) == 0) << text;
    EXPECT_TRUE(OkEnabled(dialog.hwnd()));
}

// An attribute value of the page as a browser reads it: the page is ASCII, with the escapes
// &amp; &lt; &gt; &quot; and numeric references.
std::wstring UrlFromAttribute(const std::string& attribute) {
    std::wstring url;
    for (size_t pos = 0; pos < attribute.size();) {
        const size_t end = attribute.find(';', pos);
        if (attribute[pos] != '&' || end == std::string::npos) {
            url += static_cast<wchar_t>(attribute[pos++]);
            continue;
        }
        const std::string name = attribute.substr(pos + 1, end - pos - 1);
        pos = end + 1;
        if (name[0] == '#') {
            const unsigned long point = std::stoul(name.substr(1));
            if (point > 0xFFFF) {
                url += static_cast<wchar_t>(0xD800 + ((point - 0x10000) >> 10));
                url += static_cast<wchar_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
            } else {
                url += static_cast<wchar_t>(point);
            }
        } else {
            url += name == "amp" ? L'&' : name == "lt" ? L'<' : name == "gt" ? L'>' : L'"';
        }
    }
    return url;
}

// Each link of the written page, turned back into a path by the system, names its document.
TEST_F(SaveListDialogTest, TheLinksOfThePageNameTheRealFiles) {
    const ScratchFolder documents("kestrum R&D #1 \xC3\xBC");
    const std::vector<std::string> names = {"plain.txt", "a, b & c.txt", "100% #2.txt",
                                            "M\xC3\xBCller \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80.doc"};
    table_.rows.clear();
    for (const std::string& name : names) {
        ASSERT_TRUE(WriteFile(documents.Path() + name, "x")) << name;
        table_.rows.push_back({name, documents.Path(), "1", "", "", ""});
    }
    CDialogSaveList dialog;
    Open(dialog);
    SetOpenBox(dialog.hwnd(), false);
    const std::string page = folder_.Path() + "links.htm";
    ASSERT_EQ(SaveAs(dialog, page), "");
    const std::string html = ReadFile(page);
    size_t found = 0;
    for (size_t at = html.find("<a href=\""); at != std::string::npos; at = html.find("<a href=\"", at)) {
        at += 9;
        const std::string attribute = html.substr(at, html.find('"', at) - at);
        const std::wstring url = UrlFromAttribute(attribute);
        wchar_t path[MAX_PATH] = {};
        DWORD length = MAX_PATH;
        ASSERT_EQ(::PathCreateFromUrlW(url.c_str(), path, &length, 0), S_OK) << attribute;
        const std::string expected = documents.Path() + table_.rows[found].front();
        EXPECT_EQ(Utf8FromWide(path), expected) << attribute;
        EXPECT_NE(::GetFileAttributesW(path), INVALID_FILE_ATTRIBUTES) << attribute;
        ++found;
    }
    EXPECT_EQ(found, table_.rows.size());
}

// The dialog is translated as dialog 142, and a translated failure message gets the name as
// plain text, whatever conversions the translation holds.
TEST_F(SaveListDialogTest, TextsComeFromTheLanguageFile) {
    LanguageFolder folder;
    UiLanguage language;
    language.SetProgramFolder(folder.Path());
    folder.Write("german.lng",
                 "[DialogID_142]\r\nID_1040=&Dokumentname:\r\n"
                 "[Common]\r\nID_1880=Liste '%s' nicht gespeichert (%d %n %s)\r\n");
    ASSERT_TRUE(language.SetLanguage("german"));
    const CurrentLanguageScope scope(language);
    CDialogSaveList dialog;
    Open(dialog);
    EXPECT_EQ(ItemTextOf(dialog.hwnd(), IDC_SAVE_LIST_LABEL), "&Dokumentname:");
    const std::string name = folder_.Path() + "missing\\%s.htm";
    EXPECT_EQ(SaveAs(dialog, name), "Liste '" + name + "' nicht gespeichert (%d %n %s)");
}

}  // namespace
