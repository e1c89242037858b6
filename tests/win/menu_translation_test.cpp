// Translating menus with their shortcuts and sub-menus, and rebuilding the toolbar's tips.
#include "language/ui_language.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "language_test_support.h"
#include "translation_test_resources.h"

namespace {

using Keys = std::set<std::string>;

std::string MenuText(HMENU menu, int position) {
    char text[256] = {};
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

class MenuTranslationTest : public testing::Test {
protected:
    MenuTranslationTest() { language.SetProgramFolder(folder.Path()); }

    void UseGerman(std::string_view translations) {
        folder.Write("german.lng", translations);
        ASSERT_TRUE(language.SetLanguage("german"));
    }
    std::map<std::string, std::string> Template(const std::string& section) const {
        return SectionEntries(folder.File("english.lng"), section);
    }

    LanguageFolder folder;
    UiLanguage language;
};

TEST_F(MenuTranslationTest, ItemsKeepShortcutsStateAndSubMenus) {
    UseGerman("[MenuID_901]\r\nSubID_57601=&Datei\r\nID_57601=\xC3\x96&ffnen\r\nID_32777=Liste &speichern...\r\n"
              "ID_32820=&Beenden\r\nID_41010=&Symbolleiste\r\nSubID_41011=&Mehr\r\nID_41011=&Tief\r\n"
              "ID_41012=&Hilfe\r\nID_41013=Hersteller\r\n");
    UniqueMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_TEST_MENU)));
    ASSERT_TRUE(menu);
    const HMENU file = ::GetSubMenu(menu.get(), 0);
    const HMENU view = ::GetSubMenu(menu.get(), 1);
    const HMENU tools = ::GetSubMenu(menu.get(), 2);
    // The owner-drawn menu layer marks the items it took over with item data.
    MENUITEMINFOA marked{};
    marked.cbSize = sizeof marked;
    marked.fMask = MIIM_DATA;
    marked.dwItemData = 1;
    ASSERT_TRUE(::SetMenuItemInfoA(file, ID_TEST_EXIT, FALSE, &marked));

    ASSERT_TRUE(language.TranslateMenu(true, menu.get(), IDM_TEST_MENU));

    EXPECT_EQ(MenuText(menu.get(), 0), "&Datei");
    EXPECT_EQ(::GetSubMenu(menu.get(), 0), file) << "the item still opens its sub-menu";
    EXPECT_EQ(MenuText(file, 0), "\xC3\x96&ffnen\tEnter");
    EXPECT_EQ(MenuText(file, 1), "Liste &speichern...\tCtrl+S");
    EXPECT_EQ(::GetMenuItemID(file, 0), static_cast<UINT>(ID_TEST_OPEN_MENU));
    EXPECT_TRUE(::GetMenuState(file, ID_TEST_OPEN_MENU, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(file, ID_TEST_SAVE_MENU, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(MenuText(file, 3), "E&xit") << "an item with data is not translated";
    EXPECT_EQ(MenuText(menu.get(), 1), "&View") << "its sub-menu opens with a separator";
    EXPECT_EQ(MenuText(view, 1), "&Symbolleiste");
    EXPECT_EQ(MenuText(menu.get(), 2), "&Tools") << "its sub-menu opens with a sub-menu";
    EXPECT_EQ(MenuText(tools, 0), "&Mehr");
    EXPECT_EQ(MenuText(::GetSubMenu(tools, 0), 0), "&Tief");
    EXPECT_EQ(MenuText(menu.get(), 3), "_") << "symbols only";
    EXPECT_EQ(MenuText(menu.get(), 4), "&Hilfe");
    MENUITEMINFOA help{};
    help.cbSize = sizeof help;
    help.fMask = MIIM_FTYPE;
    ASSERT_TRUE(::GetMenuItemInfoA(menu.get(), 4, TRUE, &help));
    EXPECT_TRUE(help.fType & MFT_RIGHTJUSTIFY) << "the right-aligned item stays right-aligned";

    EXPECT_EQ(SectionNames(folder.File("english.lng")), (Keys{"Common", "Translator", "MenuID_901"}));
    EXPECT_EQ(Template("MenuID_901"),
              (std::map<std::string, std::string>{{"SubID_57601", "&File"},
                                                  {"ID_57601", "&Open"},
                                                  {"ID_32777", "&Save List..."},
                                                  {"ID_41010", "&Toolbar"},
                                                  {"SubID_41011", "&More"},
                                                  {"ID_41011", "&Deep"},
                                                  {"ID_41012", "&Help"}}));
}

TEST_F(MenuTranslationTest, NothingWithoutALanguageOrAMenu) {
    UniqueMenu menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_TEST_MENU)));
    ASSERT_TRUE(menu);
    EXPECT_FALSE(language.TranslateMenu(true, menu.get(), IDM_TEST_MENU));
    EXPECT_EQ(MenuText(menu.get(), 0), "&File");
    ASSERT_TRUE(language.SetLanguage("german"));
    EXPECT_FALSE(language.TranslateMenu(true, nullptr, IDM_TEST_MENU));
}

class ToolBarTranslationTest : public MenuTranslationTest {
protected:
    ToolBarTranslationTest() {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
        ::InitCommonControlsEx(&classes);
        frame.reset(::CreateWindowExA(0, "Static", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr, nullptr,
                                      nullptr, nullptr));
        toolbar = ::CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT, 0, 0, 0, 0,
                                    frame.get(), nullptr, nullptr, nullptr);
        ::SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    }

    void AddButtons(std::initializer_list<int> commands) {
        for (const int command : commands) {
            TBBUTTON button{};
            button.iBitmap = I_IMAGENONE;
            button.idCommand = command;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = command ? BTNS_BUTTON : BTNS_SEP;
            ::SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
        }
    }

    std::string TipOf(int command) const {
        char text[512] = {};
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = toolbar;
        tool.uId = static_cast<UINT_PTR>(command);
        tool.lpszText = text;
        ::SendMessageA(tooltip.get(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        return text;
    }

    UniqueWindow frame;
    HWND toolbar = nullptr;
    UniqueWindow tooltip;
};

TEST_F(ToolBarTranslationTest, TipsAreTranslatedWithoutTheirShortcut) {
    UseGerman("[ToolBarID_901]\r\nID_41001=Aktuelle Liste speichern\r\n"
              "ID_41003=Ausgew\xC3\xA4hlte Dokumente \xC3\xB6" "ffnen\r\nID_41004=Ohne Tipp\r\n");
    AddButtons({ID_TEST_SAVE_LIST, 0, ID_TEST_WEB_SITE, ID_TEST_OPEN, ID_TEST_NO_TIP});
    tooltip.reset(::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, frame.get(), nullptr,
                                    nullptr, nullptr));
    const HWND previous = tooltip.get();

    ASSERT_TRUE(language.TranslateToolBar(true, toolbar, tooltip, IDT_TEST_TOOLBAR));

    ASSERT_TRUE(tooltip);
    EXPECT_FALSE(::IsWindow(previous)) << "the old tooltip control is destroyed";
    EXPECT_TRUE(::GetWindowLongPtrA(tooltip.get(), GWL_STYLE) & TTS_ALWAYSTIP);
    EXPECT_EQ(::SendMessageA(tooltip.get(), TTM_GETTOOLCOUNT, 0, 0), 3);
    EXPECT_EQ(TipOf(ID_TEST_SAVE_LIST), "Aktuelle Liste speichern (Ctrl+S)");
    EXPECT_EQ(TipOf(ID_TEST_WEB_SITE), "Web-Site");
    EXPECT_EQ(TipOf(ID_TEST_OPEN), "Ausgew\xC3\xA4hlte Dokumente \xC3\xB6" "ffnen (Enter)");

    RECT button{};
    ::SendMessageA(toolbar, TB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&button));
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = toolbar;
    tool.uId = ID_TEST_OPEN;
    ASSERT_TRUE(::SendMessageA(tooltip.get(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_TRUE(::EqualRect(&tool.rect, &button));

    EXPECT_EQ(Template("ToolBarID_901"),
              (std::map<std::string, std::string>{{"ID_41001", "Save Current List of Documents"},
                                                  {"ID_41002", "Web-Site"},
                                                  {"ID_41003", "Open Selected Document(s)"}}));
}

TEST_F(ToolBarTranslationTest, AnEmptyToolbarOrNoLanguageKeepsTheTooltip) {
    tooltip.reset(::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, frame.get(), nullptr,
                                    nullptr, nullptr));
    const HWND previous = tooltip.get();
    ASSERT_TRUE(language.SetLanguage("german"));
    EXPECT_FALSE(language.TranslateToolBar(true, toolbar, tooltip, IDT_TEST_TOOLBAR)) << "no buttons";

    AddButtons({ID_TEST_SAVE_LIST});
    UiLanguage none;
    none.SetProgramFolder(folder.Path());
    EXPECT_FALSE(none.TranslateToolBar(true, toolbar, tooltip, IDT_TEST_TOOLBAR)) << "no language";
    EXPECT_EQ(tooltip.get(), previous);
    EXPECT_TRUE(::IsWindow(previous));
}

}  // namespace
