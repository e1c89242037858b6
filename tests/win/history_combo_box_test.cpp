// HistoryComboBox on a real dialog: the registry list in and out, completion while typing, and
// the keys that pass its pre-translation.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls_test_support.h"
#include "registry_test_support.h"
#include "ui/history_rules.h"

namespace {

using List = std::vector<std::string>;

const std::string kListKey = std::string(kTestBranch) + "\\MoveCopyFolders";

// The list as stored: Item0, Item1... until the first missing one.
List StoredList() {
    List items;
    for (int i = 0;; ++i) {
        const RawValue value = GetRaw(HKEY_CURRENT_USER, kListKey, "Item" + std::to_string(i));
        if (!value.exists) return items;
        items.push_back(RawText(value));
    }
}

void Store(const List& items) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        ASSERT_TRUE(SetRawText(HKEY_CURRENT_USER, kListKey, "Item" + std::to_string(i), items[i]));
    }
}

class HistoryComboBoxTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DeleteSettingsBranch());
        dialog = std::make_unique<CControlsDialog>();
    }
    void TearDown() override {
        dialog.reset();
        DeleteSettingsBranch();
    }

    // Opens the dialog with the combo box bound to the list and the focus in its edit field.
    void Open() {
        ASSERT_TRUE(dialog->Create(nullptr));
        ASSERT_TRUE(dialog->history.Init("MoveCopyFolders", kHistoryEntries, kHistoryTextLimit));
        ::ShowWindow(dialog->hwnd(), SW_SHOW);
        ::SetFocus(dialog->HistoryEdit());
        PumpPendingMessages();
    }

    HWND Combo() const { return dialog->Item(IDC_TEST_HISTORY); }

    std::pair<DWORD, DWORD> Selection() const {
        DWORD start = 0;
        DWORD end = 0;
        ::SendMessageA(Combo(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }

    std::unique_ptr<CControlsDialog> dialog;
};

TEST_F(HistoryComboBoxTest, InitFillsTheListFromTheRegistryCleaningUpWhatItFinds) {
    Store({"  C:\\Archive  ", "", "D:\\Work", "c:\\ARCHIVE", "   ", std::string(261, 'x'), "E:\\Music"});
    Open();
    EXPECT_EQ(dialog->history.Entries(), (List{"C:\\Archive", "D:\\Work", "E:\\Music"}));
    EXPECT_EQ(dialog->history.ListName(), "MoveCopyFolders");
    EXPECT_EQ(TextOf(Combo()), "");
}

TEST_F(HistoryComboBoxTest, InitAddsNoMoreThanTheMaximum) {
    List stored;
    for (int i = 0; i < 8; ++i) stored.push_back("C:\\Folder " + std::to_string(i));
    Store(stored);
    ASSERT_TRUE(dialog->Create(nullptr));
    ASSERT_TRUE(dialog->history.Init("MoveCopyFolders", 4, 260));
    EXPECT_EQ(dialog->history.Entries(), (List{stored.begin(), stored.begin() + 4}));
}

TEST_F(HistoryComboBoxTest, InitRefusesWhatItCannotServeAndThenReadsAndWritesNothing) {
    Store({"C:\\Archive"});
    ASSERT_TRUE(dialog->Create(nullptr));
    HistoryComboBox& history = dialog->history;
    EXPECT_FALSE(history.Init("", 10, 260));
    EXPECT_FALSE(history.Init("MoveCopyFolders", 0, 260));
    EXPECT_FALSE(history.Init("MoveCopyFolders", 10, 0));
    EXPECT_TRUE(history.Entries().empty());

    HistoryComboBox unbound;
    EXPECT_FALSE(unbound.Init("MoveCopyFolders", 10, 260));

    class CStyles : public DialogBase {
    public:
        CStyles() : DialogBase(IDD_COMBO_STYLES) {}
    } styles;
    ASSERT_TRUE(styles.Create(nullptr));
    for (int id : {IDC_TEST_DROPLIST, IDC_TEST_SIMPLE, IDC_TEST_NOT_COMBO}) {
        HistoryComboBox other;
        ASSERT_TRUE(other.Subclass(styles.Item(id)));
        EXPECT_FALSE(other.Init("SaveFiles", 10, 260)) << id;
        ::SetWindowTextA(styles.Item(id), "typed");
    }
    ::DestroyWindow(styles.hwnd());
    ::SetWindowTextA(Combo(), "D:\\Typed");
    ::DestroyWindow(dialog->hwnd());
    // Neither the refused combo boxes nor the unbound one wrote a list.
    EXPECT_EQ(StoredList(), (List{"C:\\Archive"}));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, std::string(kTestBranch) + "\\SaveFiles"));
}

TEST_F(HistoryComboBoxTest, InitBindsOnlyOnce) {
    Open();
    EXPECT_FALSE(dialog->history.Init("SaveFiles", 10, 260));
    EXPECT_EQ(dialog->history.ListName(), "MoveCopyFolders");
}

TEST_F(HistoryComboBoxTest, ClosingPutsTheTextFirstAndKeepsTheNineMostRecent) {
    List stored;
    for (int i = 0; i < 10; ++i) stored.push_back("C:\\Folder " + std::to_string(i));
    Store(stored);
    Open();
    ::SetWindowTextA(Combo(), "  D:\\New  ");
    dialog->End(IDOK);
    List expected{"D:\\New"};
    expected.insert(expected.end(), stored.begin(), stored.begin() + 9);
    EXPECT_EQ(StoredList(), expected);
}

TEST_F(HistoryComboBoxTest, ClosingWithAKnownTextMovesItUpIgnoringCase) {
    Store({"C:\\A", "C:\\B", "C:\\C"});
    Open();
    ::SetWindowTextA(Combo(), "c:\\c");
    dialog->End(IDCANCEL);  // a cancelled dialog records the text too
    EXPECT_EQ(StoredList(), (List{"c:\\c", "C:\\A", "C:\\B"}));
}

TEST_F(HistoryComboBoxTest, ClosingWithAnEmptyTextRewritesTheListUnchanged) {
    Store({"C:\\A", "C:\\B"});
    Open();
    ::SetWindowTextA(Combo(), "   ");
    dialog->End(IDOK);
    EXPECT_EQ(StoredList(), (List{"C:\\A", "C:\\B"}));
}

TEST_F(HistoryComboBoxTest, RoundTripThroughTheRegistryWithUnicodeText) {
    Open();
    ::SetWindowTextA(Combo(), "C:\\Ärger\\日本");
    dialog->End(IDOK);
    EXPECT_EQ(StoredList(), (List{"C:\\Ärger\\日本"}));

    dialog = std::make_unique<CControlsDialog>();
    Open();
    EXPECT_EQ(dialog->history.Entries(), (List{"C:\\Ärger\\日本"}));
    TypeText(dialog->HistoryEdit(), "c:\\ä");
    EXPECT_EQ(TextOf(Combo()), "C:\\Ärger\\日本");
}

TEST_F(HistoryComboBoxTest, ADialogObjectDestroyedWhileOpenStillRecords) {
    Open();
    ::SetWindowTextA(Combo(), "F:\\Last");
    dialog.reset();
    EXPECT_EQ(StoredList(), (List{"F:\\Last"}));
}

TEST_F(HistoryComboBoxTest, TypingCompletesFromTheTopAndHighlightsTheRest) {
    Store({"D:\\Docs", "C:\\Archive", "C:\\Apps"});
    Open();
    TypeText(dialog->HistoryEdit(), "c:\\a");
    EXPECT_EQ(TextOf(Combo()), "C:\\Archive");
    EXPECT_EQ(Selection(), (std::pair<DWORD, DWORD>{4, 10}));
    EXPECT_TRUE(dialog->history.Completes());

    // Typing on over the highlight narrows the completion.
    TypeText(dialog->HistoryEdit(), "p");
    EXPECT_EQ(TextOf(Combo()), "C:\\Apps");
    EXPECT_EQ(Selection(), (std::pair<DWORD, DWORD>{5, 7}));
}

TEST_F(HistoryComboBoxTest, BackspaceRemovesTheHighlightWithoutCompletingAgain) {
    Store({"C:\\Archive"});
    Open();
    TypeText(dialog->HistoryEdit(), "c:\\a");
    ASSERT_EQ(TextOf(Combo()), "C:\\Archive");
    PressKey(dialog->HistoryEdit(), VK_BACK);
    EXPECT_FALSE(dialog->history.Completes());
    EXPECT_EQ(TextOf(Combo()), "C:\\A");
    // The next typed key completes again.
    TypeText(dialog->HistoryEdit(), "r");
    EXPECT_EQ(TextOf(Combo()), "C:\\Archive");
    EXPECT_EQ(Selection(), (std::pair<DWORD, DWORD>{5, 10}));
}

TEST_F(HistoryComboBoxTest, DeleteStopsCompletionAndAFullStopDoesNot) {
    Store({"C:\\notes.txt"});
    Open();
    TypeText(dialog->HistoryEdit(), "c:\\notes");
    ASSERT_EQ(TextOf(Combo()), "C:\\notes.txt");
    PressKey(dialog->HistoryEdit(), VK_DELETE);
    EXPECT_FALSE(dialog->history.Completes());
    EXPECT_EQ(TextOf(Combo()), "C:\\notes");
    // "." is character 46, the number of the Delete key: typing it still completes.
    TypeText(dialog->HistoryEdit(), ".");
    EXPECT_EQ(TextOf(Combo()), "C:\\notes.txt");
    EXPECT_EQ(Selection(), (std::pair<DWORD, DWORD>{9, 12}));
}

TEST_F(HistoryComboBoxTest, TextWithoutAMatchingEntryStaysAsTyped) {
    Store({"C:\\Archive"});
    Open();
    TypeText(dialog->HistoryEdit(), "E:\\x");
    EXPECT_EQ(TextOf(Combo()), "E:\\x");
    EXPECT_EQ(Selection(), (std::pair<DWORD, DWORD>{4, 4}));
}

TEST_F(HistoryComboBoxTest, TypingStopsAtTheLimitUnlessTextIsSelected) {
    ASSERT_TRUE(dialog->Create(nullptr));
    ASSERT_TRUE(dialog->history.Init("SaveFiles", 10, 5));
    ::ShowWindow(dialog->hwnd(), SW_SHOW);
    ::SetFocus(dialog->HistoryEdit());
    TypeText(dialog->HistoryEdit(), "abcdefg");
    EXPECT_EQ(TextOf(Combo()), "abcde");
    // Backspace still works at the limit, and a selection may be typed over.
    PressKey(dialog->HistoryEdit(), VK_BACK);
    EXPECT_EQ(TextOf(Combo()), "abcd");
    TypeText(dialog->HistoryEdit(), "x");
    ::SendMessageA(Combo(), CB_SETEDITSEL, 0, MAKELPARAM(0, 2));
    TypeText(dialog->HistoryEdit(), "Z");
    EXPECT_EQ(TextOf(Combo()), "Zcdx");
}

}  // namespace
