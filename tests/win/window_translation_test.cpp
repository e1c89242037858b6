// Translating real dialogs of the program, an embedded property sheet and every kind of control.
#include "language/ui_language.h"

#include <commctrl.h>
#include <prsht.h>

#include <vector>

#include <gtest/gtest.h>

#include "language_test_support.h"
#include "resource.h"
#include "translation_test_resources.h"

namespace {

using Keys = std::set<std::string>;

INT_PTR CALLBACK QuietPageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// The sheet's template is turned into a child control's before it is created.
int CALLBACK ChildSheetCallback(HWND, UINT message, LPARAM lParam) {
    if (message != PSCB_PRECREATE) return 0;
    constexpr DWORD kPopupStyles = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    constexpr DWORD kChildStyles = WS_CHILD | WS_TABSTOP | DS_CONTROL;
    auto* words = reinterpret_cast<WORD*>(lParam);
    if (words[1] == 0xFFFF) {  // DLGTEMPLATEEX: version, signature, help ID, extended style, style
        auto* exStyle = reinterpret_cast<DWORD*>(words + 4);
        auto* style = reinterpret_cast<DWORD*>(words + 6);
        *style = (*style & ~kPopupStyles) | kChildStyles;
        *exStyle |= WS_EX_CONTROLPARENT;
    } else {
        auto* dialog = reinterpret_cast<DLGTEMPLATE*>(lParam);
        dialog->style = (dialog->style & ~kPopupStyles) | kChildStyles;
        dialog->dwExtendedStyle |= WS_EX_CONTROLPARENT;
    }
    return 0;
}

// A property sheet as a child control of the dialog, holding pages from the templates; only
// the first page window exists until another is shown.
HWND CreateChildSheet(HWND dialog, std::initializer_list<int> templates) {
    std::vector<PROPSHEETPAGEA> pages;
    for (const int id : templates) {
        PROPSHEETPAGEA page{};
        page.dwSize = sizeof page;
        page.hInstance = ::GetModuleHandleA(nullptr);
        page.pszTemplate = MAKEINTRESOURCEA(id);
        page.pfnDlgProc = &QuietPageProc;
        pages.push_back(page);
    }
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK | PSH_NOAPPLYNOW;
    header.hwndParent = dialog;
    header.hInstance = ::GetModuleHandleA(nullptr);
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    header.pfnCallback = &ChildSheetCallback;
    return reinterpret_cast<HWND>(::PropertySheetA(&header));
}

// The options dialog as the program builds it: its three pages in a sheet inside the dialog,
// every page shown once so that all page windows exist.
HWND EmbedOptionsSheet(HWND dialog) {
    const HWND sheet = CreateChildSheet(dialog, {IDD_OPT_GENERAL, IDD_OPT_HOTKEYS, IDD_OPT_LANGUAGE});
    if (!sheet) return nullptr;
    for (const int button : {IDOK, IDCANCEL, IDHELP}) ::ShowWindow(::GetDlgItem(sheet, button), SW_HIDE);
    RECT place{6, 28, 0, 0};
    ::MapDialogRect(dialog, &place);
    ::SetWindowPos(sheet, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (int i = 0; i < 3; ++i) ::SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(i), 0);
    ::SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    ::ShowWindow(sheet, SW_SHOW);
    return sheet;
}

std::string TabLabel(HWND tabs, int index) {
    char text[260] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item.pszText ? item.pszText : "";
}

void AddTab(HWND tabs, int index, const char* label) {
    std::string text = label;
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    ::SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

std::string ComboItem(HWND combo, int index) {
    char text[260] = {};
    ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    return text;
}

class WindowTranslationTest : public testing::Test {
protected:
    WindowTranslationTest() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES};
        ::InitCommonControlsEx(&classes);
        language.SetProgramFolder(folder.Path());
    }
    ~WindowTranslationTest() override {
        if (::IsWindow(dialog)) ::DestroyWindow(dialog);
    }

    void UseGerman(std::string_view translations) {
        folder.Write("german.lng", translations);
        ASSERT_TRUE(language.SetLanguage("german"));
    }
    Keys TemplateKeys(const std::string& section) const { return SectionKeys(folder.File("english.lng"), section); }
    std::string TemplateValue(const std::string& section, const std::string& key) const {
        return ProfileValue(folder.File("english.lng"), section, key);
    }
    // The template's sections other than the two every selected language writes.
    Keys DialogSections() const {
        Keys sections = SectionNames(folder.File("english.lng"));
        sections.erase("Common");
        sections.erase("Translator");
        return sections;
    }

    LanguageFolder folder;
    UiLanguage language;
    HWND dialog = nullptr;
};

TEST_F(WindowTranslationTest, NoteDialogWithCaptionAndHelpLink) {
    UseGerman("[DialogID_143]\r\nID_0=Hinweis\r\nID_1037=Diese Meldung &nicht mehr anzeigen\r\n"
              "ID_1041=Verwenden Sie das Symbol im Infobereich.\r\nID_65520=Hilfe\r\nID_1559=Bild\r\n");
    dialog = CreateTestDialog(IDD_NOTE);
    ASSERT_TRUE(dialog);
    ExcludeFromTranslation(::GetDlgItem(dialog, IDC_NOTE_PICTURE));
    // The link the common dialog frame adds before the walk.
    ::CreateWindowExA(0, "Static", "Help", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 10, 10, 60, 20, dialog,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(65520)), nullptr, nullptr);

    std::string section;
    ASSERT_TRUE(language.TranslateWindow(true, true, dialog, IDD_NOTE, 0, section));
    EXPECT_EQ(section, "DialogID_143");

    EXPECT_EQ(WindowTextOf(dialog), "Hinweis");
    EXPECT_EQ(ItemTextOf(dialog, IDC_NOTE_HIDE), "Diese Meldung &nicht mehr anzeigen");
    EXPECT_EQ(ItemTextOf(dialog, IDC_NOTE_TEXT), "Verwenden Sie das Symbol im Infobereich.");
    EXPECT_EQ(ItemTextOf(dialog, 65520), "Hilfe");
    EXPECT_EQ(ItemTextOf(dialog, IDCANCEL), "OK") << "no translation keeps the English text";

    EXPECT_EQ(DialogSections(), Keys{"DialogID_143"});
    EXPECT_EQ(TemplateKeys("DialogID_143"), (Keys{"ID_0", "ID_2", "ID_1037", "ID_1041", "ID_65520"}));
    EXPECT_EQ(TemplateValue("DialogID_143", "ID_0"), "Note");
    EXPECT_EQ(TemplateValue("DialogID_143", "ID_1037"), "&Do not show this message again");
    EXPECT_EQ(TemplateValue("DialogID_143", "ID_1041"),
              "Use the icon located in the notification area for quick and easy access to the program. "
              "To maximize the program window, click the program icon in the notification area. If you "
              "want to exit the program, select \"File->Exit\" in the main menu");
}

TEST_F(WindowTranslationTest, PasswordPromptWithoutCaptionAndAnExcludedLabel) {
    UseGerman("[DialogID_168]\r\nID_0=Falsch\r\nID_1029=Dieses Programm ist gesch\xC3\xBCtzt.\r\n"
              "ID_1132=&Kennwort:\r\nID_2=Abbrechen\r\nID_1133=geheim\r\n");
    dialog = CreateTestDialog(IDD_PASSWORD);
    ASSERT_TRUE(dialog);
    ::SetWindowTextA(dialog, "Kestrum");
    ExcludeFromTranslation(::GetDlgItem(dialog, IDC_PASSWORD_LABEL));

    ASSERT_TRUE(language.TranslateWindow(true, false, dialog, IDD_PASSWORD));

    EXPECT_EQ(WindowTextOf(dialog), "Kestrum");
    EXPECT_EQ(ItemTextOf(dialog, IDC_PASSWORD_TEXT), "Dieses Programm ist gesch\xC3\xBCtzt.");
    EXPECT_EQ(ItemTextOf(dialog, IDC_PASSWORD_LABEL), "&Password:") << "excluded";
    EXPECT_EQ(ItemTextOf(dialog, IDC_PASSWORD_EDIT), "") << "edit fields are never translated";
    EXPECT_EQ(ItemTextOf(dialog, IDCANCEL), "Abbrechen");
    EXPECT_EQ(ItemTextOf(dialog, IDOK), "OK");
    EXPECT_EQ(TemplateKeys("DialogID_168"), (Keys{"ID_1", "ID_2", "ID_1029"}));
}

TEST_F(WindowTranslationTest, OptionsDialogTranslatesEveryPageOfItsSheet) {
    UseGerman("[DialogID_106]\r\nID_0=Optionen\r\nID_2=Abbrechen\r\n"
              "[DialogID_106 - PageNo_0]\r\nID_0=Allgemein\r\nID_1005=Mit &Windows starten\r\nID_1551=99 %\r\n"
              "[DialogID_106 - PageNo_1]\r\nID_1019=&Hauptfenster anzeigen:\r\n"
              "[DialogID_106 - PageNo_2]\r\nID_0=Sprache\r\nID_1212=\xC3\x9C" "bersetzt von:\r\n"
              "[DialogID_106 - PageNo_2 - ComboBoxID_1043]\r\nID_0=Deutsch\r\n");
    dialog = CreateTestDialog(IDD_OPTIONS);
    ASSERT_TRUE(dialog);
    const HWND sheet = EmbedOptionsSheet(dialog);
    ASSERT_TRUE(sheet);
    const HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    ASSERT_EQ(TabCtrl_GetItemCount(tabs), 3);
    const HWND languagePage = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_INDEXTOHWND, 2, 0));
    const HWND languages = ::GetDlgItem(languagePage, IDC_LANGUAGE_LIST);
    ExcludeFromTranslation(languages);
    ::SendMessageA(languages, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("german"));
    ::SendMessageA(languages, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("english"));
    ::SendMessageA(sheet, PSM_SETCURSEL, 1, 0);

    ASSERT_TRUE(language.TranslateWindow(true, true, dialog, IDD_OPTIONS));

    EXPECT_EQ(WindowTextOf(dialog), "Optionen");
    EXPECT_EQ(ItemTextOf(dialog, IDCANCEL), "Abbrechen");
    EXPECT_EQ(TabLabel(tabs, 0), "Allgemein");
    EXPECT_EQ(TabLabel(tabs, 1), "Hot-Keys");
    EXPECT_EQ(TabLabel(tabs, 2), "Sprache");
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1) << "the active page stays active";
    const HWND general = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_INDEXTOHWND, 0, 0));
    const HWND hotKeys = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_INDEXTOHWND, 1, 0));
    EXPECT_EQ(ItemTextOf(general, IDC_GENERAL_AUTOLOAD), "Mit &Windows starten");
    EXPECT_EQ(ItemTextOf(general, IDC_GENERAL_TRANSP_VALUE), "0 %") << "symbols only";
    EXPECT_EQ(ItemTextOf(hotKeys, IDC_HOTKEYS_MAIN_LABEL), "&Hauptfenster anzeigen:");
    EXPECT_EQ(ItemTextOf(languagePage, IDC_LANGUAGE_TRANSLATOR_LABEL), "\xC3\x9C" "bersetzt von:");
    EXPECT_EQ(ComboItem(languages, 0), "english") << "the excluded list of languages";

    EXPECT_EQ(DialogSections(), (Keys{"DialogID_106", "DialogID_106 - PageNo_0", "DialogID_106 - PageNo_1",
                                      "DialogID_106 - PageNo_2"}));
    EXPECT_EQ(TemplateKeys("DialogID_106"), (Keys{"ID_0", "ID_1", "ID_2", "ID_1131"}));
    EXPECT_EQ(TemplateKeys("DialogID_106 - PageNo_0"),
              (Keys{"ID_0", "ID_1005", "ID_1426", "ID_1317", "ID_1043", "ID_1495", "ID_1550"}));
    EXPECT_EQ(TemplateKeys("DialogID_106 - PageNo_1"), (Keys{"ID_0", "ID_1019", "ID_1020"}));
    EXPECT_EQ(TemplateKeys("DialogID_106 - PageNo_2"),
              (Keys{"ID_0", "ID_1131", "ID_1401", "ID_1211", "ID_1212", "ID_1213", "ID_1160"}));
    EXPECT_EQ(TemplateValue("DialogID_106 - PageNo_0", "ID_0"), "General");
    EXPECT_EQ(TemplateValue("DialogID_106 - PageNo_0", "ID_1317"),
              "Sh&ow a small \"recent documents\" window if the mouse is over the tray icon");
    EXPECT_EQ(TemplateValue("DialogID_106 - PageNo_1", "ID_0"), "Hot-Keys");
}

TEST_F(WindowTranslationTest, APageNeverShownIsNotTranslated) {
    UseGerman("[DialogID_106 - PageNo_0]\r\nID_0=Allgemein\r\n");
    dialog = CreateTestDialog(IDD_OPTIONS);
    ASSERT_TRUE(dialog);
    const HWND sheet = CreateChildSheet(dialog, {IDD_OPT_GENERAL, IDD_OPT_HOTKEYS});
    ASSERT_TRUE(sheet);
    ASSERT_FALSE(::SendMessageA(sheet, PSM_INDEXTOHWND, 1, 0)) << "the second page was created early";

    ASSERT_TRUE(language.TranslateWindow(true, true, dialog, IDD_OPTIONS));
    const HWND tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    EXPECT_EQ(TabLabel(tabs, 0), "Allgemein");
    EXPECT_EQ(DialogSections(), (Keys{"DialogID_106", "DialogID_106 - PageNo_0"}));
}

TEST_F(WindowTranslationTest, ItemListsTabsAndControlsByClass) {
    UseGerman("[DialogID_901]\r\nID_1110=Beschriftet\r\nID_1107=Hallo\r\nID_1108=Mehr\r\nID_1109=Drehen\r\n"
              "[DialogID_901 - ListCtrlID_1100]\r\nID_0=Alpha-de\r\nID_1=Punkte\r\nID_1000=Name-de\r\n"
              "[DialogID_901 - ComboBoxID_1102]\r\nID_2=Gr\xC3\xBCn\r\nID_1=Plus\r\n"
              "[DialogID_901 - ListBoxID_1103]\r\nID_0=Eins\r\n"
              "[DialogID_901 - ListBoxID_1104]\r\nID_0=Nein\r\n"
              "[DialogID_901 - TabCtrlID_1105]\r\nID_1=Zweite\r\n"
              "[DialogID_901 - TabCtrlID_1106]\r\nID_0=Dritte\r\n");
    dialog = CreateTestDialog(IDD_TEST_CONTROLS);
    ASSERT_TRUE(dialog);
    ::SetDlgItemTextA(dialog, IDC_TEST_EDIT, "Hello");

    const HWND list = ::GetDlgItem(dialog, IDC_TEST_LIST);
    for (const char* column : {"Name", "Folder"}) {
        LVCOLUMNA info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.cx = 60;
        info.pszText = const_cast<char*>(column);
        ::SendMessageA(list, LVM_INSERTCOLUMNA, 99, reinterpret_cast<LPARAM>(&info));
    }
    int row = 0;
    for (const char* text : {"Alpha", "...", "Beta"}) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row++;
        item.pszText = const_cast<char*>(text);
        ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    const HWND emptyList = ::GetDlgItem(dialog, IDC_TEST_EMPTY_LIST);
    LVITEMA orphan{};
    orphan.mask = LVIF_TEXT;
    orphan.pszText = const_cast<char*>("Orphan");
    ::SendMessageA(emptyList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&orphan));

    const HWND combo = ::GetDlgItem(dialog, IDC_TEST_COMBO);
    for (const char* text : {"Red", "+", "Green"}) ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    ::SendMessageA(combo, CB_SETITEMDATA, 2, 7);
    ::SendMessageA(combo, CB_SETCURSEL, 2, 0);
    const HWND listBox = ::GetDlgItem(dialog, IDC_TEST_LISTBOX);
    for (const char* text : {"One", "Two"}) ::SendMessageA(listBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    ::SendMessageA(listBox, LB_SETCURSEL, 0, 0);
    const HWND excludedList = ::GetDlgItem(dialog, IDC_TEST_EXCLUDED_LISTBOX);
    ::SendMessageA(excludedList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Kept"));
    ExcludeFromTranslation(excludedList);
    const HWND tabs = ::GetDlgItem(dialog, IDC_TEST_TABS);
    AddTab(tabs, 0, "First");
    AddTab(tabs, 1, "Second");
    const HWND unnamedTabs = ::GetDlgItem(dialog, IDC_TEST_UNNAMED_TABS);
    AddTab(unnamedTabs, 0, "Third");

    ASSERT_TRUE(language.TranslateWindow(true, false, dialog, IDD_TEST_CONTROLS));

    char cell[260] = {};
    ListView_GetItemText(list, 0, 0, cell, sizeof cell);
    EXPECT_STREQ(cell, "Alpha-de");
    ListView_GetItemText(list, 1, 0, cell, sizeof cell);
    EXPECT_STREQ(cell, "...") << "symbols only";
    ListView_GetItemText(list, 2, 0, cell, sizeof cell);
    EXPECT_STREQ(cell, "Beta");
    const HWND header = ListView_GetHeader(list);
    HDITEMA column{};
    column.mask = HDI_TEXT;
    column.pszText = cell;
    column.cchTextMax = sizeof cell;
    ::SendMessageA(header, HDM_GETITEMA, 0, reinterpret_cast<LPARAM>(&column));
    EXPECT_STREQ(cell, "Name-de");

    EXPECT_EQ(ComboItem(combo, 0), "Red");
    EXPECT_EQ(ComboItem(combo, 1), "+");
    EXPECT_EQ(ComboItem(combo, 2), "Gr\xC3\xBCn");
    EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(::SendMessageA(combo, CB_GETITEMDATA, 2, 0), 7) << "the item keeps its data";
    EXPECT_EQ(WindowTextOf(combo), "Gr\xC3\xBCn");
    char item[260] = {};
    ::SendMessageA(listBox, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "Eins");
    EXPECT_EQ(::SendMessageA(listBox, LB_GETCURSEL, 0, 0), 0);
    ::SendMessageA(excludedList, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "Kept");
    EXPECT_EQ(TabLabel(tabs, 0), "First");
    EXPECT_EQ(TabLabel(tabs, 1), "Zweite");
    EXPECT_EQ(TabLabel(unnamedTabs, 0), "Third") << "a tab control without a window text";
    EXPECT_EQ(ItemTextOf(dialog, IDC_TEST_LABEL), "Beschriftet");
    EXPECT_EQ(ItemTextOf(dialog, IDC_TEST_EDIT), "Hello");
    EXPECT_EQ(ItemTextOf(dialog, IDC_TEST_BROWSE), "...");
    EXPECT_EQ(WindowTextOf(dialog), "Test Controls") << "the caption was not asked for";

    EXPECT_EQ(DialogSections(), (Keys{"DialogID_901", "DialogID_901 - ListCtrlID_1100", "DialogID_901 - ComboBoxID_1102",
                                      "DialogID_901 - ListBoxID_1103", "DialogID_901 - TabCtrlID_1105"}));
    EXPECT_EQ(TemplateKeys("DialogID_901"), Keys{"ID_1110"});
    EXPECT_EQ(TemplateKeys("DialogID_901 - ListCtrlID_1100"), (Keys{"ID_0", "ID_2", "ID_1000", "ID_1001"}));
    EXPECT_EQ(TemplateValue("DialogID_901 - ListCtrlID_1100", "ID_1001"), "Folder");
    EXPECT_EQ(TemplateKeys("DialogID_901 - ComboBoxID_1102"), (Keys{"ID_0", "ID_2"}));
    EXPECT_EQ(TemplateValue("DialogID_901 - ComboBoxID_1102", "ID_2"), "Green");
    EXPECT_EQ(TemplateKeys("DialogID_901 - ListBoxID_1103"), (Keys{"ID_0", "ID_1"}));
    EXPECT_EQ(TemplateKeys("DialogID_901 - TabCtrlID_1105"), (Keys{"ID_0", "ID_1"}));
}

TEST_F(WindowTranslationTest, WithoutTemplateWritingTranslationsStillShow) {
    UseGerman("[DialogID_143]\r\nID_0=Hinweis\r\nID_1037=&Nicht mehr zeigen\r\n");
    folder.Remove("english.lng");
    dialog = CreateTestDialog(IDD_NOTE);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(language.TranslateWindow(false, true, dialog, IDD_NOTE));
    EXPECT_EQ(WindowTextOf(dialog), "Hinweis");
    EXPECT_EQ(ItemTextOf(dialog, IDC_NOTE_HIDE), "&Nicht mehr zeigen");
    EXPECT_FALSE(folder.Exists("english.lng"));
}

TEST_F(WindowTranslationTest, WithoutALanguageNothingChanges) {
    folder.Write("german.lng", "[DialogID_143]\r\nID_0=Hinweis\r\n");
    dialog = CreateTestDialog(IDD_NOTE);
    ASSERT_TRUE(dialog);
    std::string section;
    EXPECT_FALSE(language.TranslateWindow(true, true, dialog, IDD_NOTE, 0, section));
    EXPECT_EQ(section, "");
    EXPECT_EQ(WindowTextOf(dialog), "Note");
    EXPECT_FALSE(folder.Exists("english.lng"));

    ASSERT_TRUE(language.SetLanguage("german"));
    EXPECT_FALSE(language.TranslateWindow(true, true, dialog, 0)) << "no dialog ID";
    EXPECT_FALSE(language.TranslateWindow(true, true, nullptr, IDD_NOTE)) << "no window";
    EXPECT_EQ(WindowTextOf(dialog), "Note");
}

TEST_F(WindowTranslationTest, SelectDateAndSetPasswordDialogs) {
    UseGerman("[DialogID_139]\r\nID_0=Datum w\xC3\xA4hlen\r\nID_1031=< &Hinzuf\xC3\xBCgen\r\n"
              "[DialogID_167]\r\nID_1466=Dieses Kennwort verlangen vor:\r\n");
    dialog = CreateTestDialog(IDD_SELECT_DATE);
    ASSERT_TRUE(dialog);
    ExcludeFromTranslation(::GetDlgItem(dialog, IDC_SELECT_DATE_CALENDAR));
    ASSERT_TRUE(language.TranslateWindow(true, true, dialog, IDD_SELECT_DATE));
    EXPECT_EQ(WindowTextOf(dialog), "Datum w\xC3\xA4hlen");
    EXPECT_EQ(ItemTextOf(dialog, IDC_SELECT_DATE_ADD), "< &Hinzuf\xC3\xBCgen");
    EXPECT_EQ(TemplateKeys("DialogID_139"), (Keys{"ID_0", "ID_2", "ID_1029", "ID_1031"}));
    EXPECT_EQ(TemplateValue("DialogID_139", "ID_1029"), "Select a date and click \"Add\":");

    const HWND password = CreateTestDialog(IDD_SET_PASSWORD);
    ASSERT_TRUE(password);
    ASSERT_TRUE(language.TranslateWindow(true, true, password, IDD_SET_PASSWORD));
    EXPECT_EQ(ItemTextOf(password, IDC_SETPASS_REQUEST_GROUP), "Dieses Kennwort verlangen vor:");
    EXPECT_EQ(TemplateKeys("DialogID_167"), (Keys{"ID_0", "ID_1", "ID_2", "ID_1131", "ID_1122", "ID_1123", "ID_1124",
                                                  "ID_1316", "ID_1466", "ID_1420", "ID_1298", "ID_1317"}));
    ::DestroyWindow(password);
}

}  // namespace
