// The Options dialog driven modelessly: pages filled from the settings, OK storing them in page
// order with what goes with them (hot keys, autorun, language), Cancel storing nothing.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

#include "app/options_dialog.h"
#include "language/message_table.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "language_test_support.h"
#include "wine_test_support.h"

using namespace testsupport;

namespace {

constexpr char kBranch[] = "Software\\Quillon Works\\Kestrum";

struct Registration {
    int id;
    unsigned code;
    unsigned modifiers;
    bool operator==(const Registration&) const = default;
};

class OptionsTest : public testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
        SettingsStore::ForgetHeldValues();
        language_.SetProgramFolder(languages_.Path());
        actions_.writeAutorun = [this](bool on) {
            autorunWrites_.push_back(on);
            return autorunResult_;
        };
        actions_.registerHotKey = [this](int id, unsigned code, unsigned modifiers) {
            registrations_.push_back({id, code, modifiers});
            return code != refusedKey_;
        };
        actions_.applyLanguage = [this] { ++languageSwitches_; };
    }
    void TearDown() override {
        dialog_.reset();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
        SettingsStore::ForgetHeldValues();
    }
    void OpenDialog() {
        dialog_ = std::make_unique<CDialogOptSheet>(actions_);
        ASSERT_TRUE(dialog_->Create(nullptr));
    }
    HWND General() { return dialog_->General().hwnd(); }
    HWND HotKeys() { return dialog_->HotKeys().hwnd(); }
    HWND Language() { return dialog_->Language().hwnd(); }
    void Press(int id) { ::SendMessageA(dialog_->hwnd(), WM_COMMAND, id, 0); }
    // OK while a message box may come up: its text, empty when none came.
    std::string PressOkAnswering() {
        auto box = std::async(std::launch::async, AnswerMessageBox);
        Press(IDOK);
        return box.get();
    }
    void Store(Setting setting, std::uint32_t value) { SettingsStore().WriteNumber(setting, value); }
    std::uint32_t Stored(Setting setting) { return SettingsStore().ReadNumber(setting); }
    static std::string Text(HWND page, int id) {
        char text[256] = {};
        ::GetDlgItemTextA(page, id, text, sizeof text);
        return text;
    }
    void SetHotKey(int control, unsigned code, unsigned modifiers) {
        ::SendDlgItemMessageA(HotKeys(), control, HKM_SETHOTKEY, MAKEWORD(code, modifiers), 0);
    }

    ScratchFolder languages_{"kestrum-options-lang"};
    UiLanguage language_;
    CurrentLanguageScope languageScope_{language_};
    OptionsActions actions_;
    std::unique_ptr<CDialogOptSheet> dialog_;
    std::vector<bool> autorunWrites_;
    LONG autorunResult_ = ERROR_SUCCESS;
    std::vector<Registration> registrations_;
    unsigned refusedKey_ = 0xFFFF;
    int languageSwitches_ = 0;
};

TEST_F(OptionsTest, GeneralPageShowsTheSettingsAndItsDependencies) {
    Store(Setting::TrayTransp, 100);
    Store(Setting::TipDays, 12);
    Store(Setting::Minimized, 0);
    OpenDialog();
    EXPECT_EQ(::SendDlgItemMessageA(General(), IDC_GENERAL_TRANSP, TBM_GETPOS, 0, 0), 100);
    EXPECT_EQ(Text(General(), IDC_GENERAL_TRANSP_VALUE), "0 %");
    EXPECT_EQ(Text(General(), IDC_GENERAL_DAYS), "12");
    EXPECT_EQ(::IsDlgButtonChecked(General(), IDC_GENERAL_MINIMIZED), BST_UNCHECKED);
    EXPECT_EQ(::IsDlgButtonChecked(General(), IDC_GENERAL_TRAY), BST_CHECKED);
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(General(), IDC_GENERAL_TRAY_ANIM)));

    ::CheckDlgButton(General(), IDC_GENERAL_TRAY, BST_UNCHECKED);
    ::SendMessageA(General(), WM_COMMAND, MAKEWPARAM(IDC_GENERAL_TRAY, BN_CLICKED), 0);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(General(), IDC_GENERAL_TRAY_ANIM)));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(General(), IDC_GENERAL_TRANSP)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(General(), IDC_GENERAL_DAYS)));

    const HWND track = ::GetDlgItem(General(), IDC_GENERAL_TRANSP);
    ::SendMessageA(track, TBM_SETPOS, TRUE, 30);
    ::SendMessageA(General(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(track));
    EXPECT_EQ(Text(General(), IDC_GENERAL_TRANSP_VALUE), "70 %");

    // Pages paint with the shared system brush: nothing is made, so nothing can leak.
    const HDC dc = ::GetDC(General());
    EXPECT_EQ(::SendMessageA(General(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(General())),
              reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE)));
    ::ReleaseDC(General(), dc);
}

TEST_F(OptionsTest, DaysAreClampedToTheSpinsRange) {
    struct Case {
        const char* typed;
        std::uint32_t stored;
    };
    const Case cases[] = {{"45", 45}, {"400", 365}, {"365", 365}, {"0", 1}, {"1", 1}, {"", 3}};
    for (const Case& c : cases) {
        OpenDialog();
        ::SetDlgItemTextA(General(), IDC_GENERAL_DAYS, c.typed);
        Press(IDOK);
        EXPECT_EQ(Stored(Setting::TipDays), c.stored) << "typed " << c.typed;
    }
}

TEST_F(OptionsTest, OkAppliesThePagesInOrderAndCancelStoresNothing) {
    OpenDialog();
    ::SendDlgItemMessageA(General(), IDC_GENERAL_TRANSP, TBM_SETPOS, TRUE, 40);
    ::CheckDlgButton(General(), IDC_GENERAL_MINIMIZED, BST_UNCHECKED);
    SetHotKey(IDC_HOTKEYS_TIP, VK_F9, HOTKEYF_CONTROL | HOTKEYF_ALT);
    Press(IDCANCEL);
    EXPECT_EQ(Stored(Setting::TrayTransp), 100u);
    EXPECT_EQ(Stored(Setting::Minimized), 1u);
    EXPECT_TRUE(registrations_.empty());
    EXPECT_TRUE(autorunWrites_.empty());

    OpenDialog();
    ::SendDlgItemMessageA(General(), IDC_GENERAL_TRANSP, TBM_SETPOS, TRUE, 40);
    ::CheckDlgButton(General(), IDC_GENERAL_MINIMIZED, BST_UNCHECKED);
    SetHotKey(IDC_HOTKEYS_TIP, VK_F9, HOTKEYF_CONTROL | HOTKEYF_ALT);
    SetHotKey(IDC_HOTKEYS_MAIN, 0, 0);
    EXPECT_EQ(PressOkAnswering(), "");
    EXPECT_EQ(Stored(Setting::TrayTransp), 40u);
    EXPECT_EQ(Stored(Setting::Minimized), 0u);
    EXPECT_EQ(autorunWrites_, std::vector<bool>{true});
    EXPECT_EQ(Stored(Setting::ShowTipVKey), static_cast<std::uint32_t>(VK_F9));
    EXPECT_EQ(Stored(Setting::ShowTipMod), static_cast<std::uint32_t>(HOTKEYF_CONTROL | HOTKEYF_ALT));
    EXPECT_EQ(Stored(Setting::ShowMainVKey), 0u);
    EXPECT_EQ(registrations_, (std::vector<Registration>{{0, 0, 0}, {1, VK_F9, HOTKEYF_CONTROL | HOTKEYF_ALT}}));
}

TEST_F(OptionsTest, PlainCharacterHotKeyIsRefusedBeforeAnythingIsStored) {
    OpenDialog();
    ::SendDlgItemMessageA(General(), IDC_GENERAL_TRANSP, TBM_SETPOS, TRUE, 40);
    SetHotKey(IDC_HOTKEYS_MAIN, 'K', 0);
    EXPECT_EQ(PressOkAnswering(), BuiltInMessageText(kMsgHotKeyNeedsModifier));
    EXPECT_TRUE(::IsWindow(dialog_->hwnd())) << "the dialog stays open for another key";
    EXPECT_EQ(Stored(Setting::TrayTransp), 100u);
    EXPECT_EQ(Stored(Setting::ShowMainVKey), 77u);
    EXPECT_TRUE(registrations_.empty());
}

TEST_F(OptionsTest, RefusedRegistrationIsReportedAndTheKeyStillStored) {
    refusedKey_ = VK_F11;
    OpenDialog();
    SetHotKey(IDC_HOTKEYS_MAIN, VK_F11, HOTKEYF_CONTROL);
    EXPECT_EQ(PressOkAnswering(), BuiltInMessageText(kMsgMainHotKeyTaken));
    EXPECT_EQ(Stored(Setting::ShowMainVKey), static_cast<std::uint32_t>(VK_F11));
}

TEST_F(OptionsTest, UnwrittenAutorunEntryIsReportedAndUnticked) {
    autorunResult_ = ERROR_ACCESS_DENIED;
    OpenDialog();
    EXPECT_EQ(PressOkAnswering(), BuiltInMessageText(kMsgCannotWriteAutorun));
    EXPECT_EQ(Stored(Setting::Autoload), 0u);

    // Removing an entry that is not there is no failure worth a word.
    Store(Setting::Autoload, 0);
    OpenDialog();
    EXPECT_EQ(PressOkAnswering(), "");
    EXPECT_EQ(Stored(Setting::Autoload), 0u);
}

TEST_F(OptionsTest, LanguagePageListsTheFilesAndSwitchesOnlyOnAChange) {
    WriteFile(languages_.Path() + "german.lng", "[Common]\r\n");
    WriteFile(languages_.Path() + "english.lng", "[Common]\r\n");
    SettingsStore().WriteText(Setting::Lang, "french");
    OpenDialog();
    const HWND list = ::GetDlgItem(Language(), IDC_LANGUAGE_LIST);
    ASSERT_EQ(::SendMessageA(list, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(Text(Language(), IDC_LANGUAGE_LIST), "english") << "french has no file";

    const auto choose = [&](const char* name) {
        ::SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
    };
    choose("german");
    EXPECT_EQ(PressOkAnswering(), "");
    EXPECT_EQ(SettingsStore().ReadText(Setting::Lang), "german");
    EXPECT_EQ(languageSwitches_, 1);

    SettingsStore().WriteText(Setting::Lang, "GERMAN");
    OpenDialog();
    choose("german");
    PressOkAnswering();
    EXPECT_EQ(SettingsStore().ReadText(Setting::Lang), "GERMAN") << "the same language in other letters";
    EXPECT_EQ(languageSwitches_, 1);
}

}  // namespace
