// The password dialogs, the tray note and the About box, driven modeless as a user would, and
// the system's PBKDF2 they rely on.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <string>

#include "app/about_dialog.h"
#include "app/note_dialog.h"
#include "app/password_crypto.h"
#include "app/password_prompt.h"
#include "app/password_prompt_dialog.h"
#include "app/password_rules.h"
#include "app/set_password_dialog.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "wine_test_support.h"

using namespace std::chrono_literals;
using namespace testsupport;

namespace {

constexpr char kBranch[] = "Software\\Quillon Works\\Kestrum";

std::string Hex(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    char digits[3];
    for (const std::uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", b);
        text += digits;
    }
    return text;
}

struct FoundBox {
    HWND box = nullptr;
};
BOOL CALLBACK FindMessageBox(HWND window, LPARAM found) {
    char caption[64] = {};
    ::GetWindowTextA(window, caption, sizeof caption);
    // Message boxes have their text in item 0xFFFF; the prompt shares their caption but not that.
    if (::IsWindowVisible(window) && std::string(caption) == "Kestrum" && ::GetDlgItem(window, 0xFFFF) != nullptr) {
        reinterpret_cast<FoundBox*>(found)->box = window;
        return FALSE;
    }
    return TRUE;
}

// Answers the next message box of this process with OK, from a second thread; its text.
std::future<std::string> AnswerNextBox() {
    return std::async(std::launch::async, [] {
        std::string text;
        WaitUntil(
            [&] {
                FoundBox found;
                ::EnumWindows(&FindMessageBox, reinterpret_cast<LPARAM>(&found));
                if (found.box == nullptr) return false;
                char buffer[512] = {};
                ::GetDlgItemTextA(found.box, 0xFFFF, buffer, sizeof buffer);
                text = buffer;
                ::PostMessageA(found.box, WM_COMMAND, IDOK, 0);
                return true;
            },
            5s);
        return text;
    });
}

class ProgramDialogs : public testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
        SettingsStore::ForgetHeldValues();
    }
    void TearDown() override {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
        SettingsStore::ForgetHeldValues();
    }

    static std::string StoredPass() { return SettingsStore().ReadText(Setting::Pass); }
    static void SetText(HWND dialog, int id, const char* text) { ::SetDlgItemTextA(dialog, id, text); }
    static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    static bool Enabled(HWND dialog, int id) { return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE; }
    static std::string Text(HWND dialog, int id) {
        char text[128] = {};
        ::GetDlgItemTextA(dialog, id, text, sizeof text);
        return text;
    }
    // Clicks OK and returns the text of the message box that follows (empty when none).
    static std::string OkAndAnswer(HWND dialog) {
        auto answer = AnswerNextBox();
        Click(dialog, IDOK);
        return answer.get();
    }
    // Stores `password` through the dialog itself, as the user sets it first.
    void SetPasswordThroughDialog(const char* password) {
        CDialogSetPassword dialog;
        ASSERT_TRUE(dialog.Create(nullptr));
        SetText(dialog.hwnd(), IDC_SETPASS_NEW, password);
        SetText(dialog.hwnd(), IDC_SETPASS_CONFIRM, password);
        ASSERT_EQ(OkAndAnswer(dialog.hwnd()), MessageText(1020));
    }
};

TEST_F(ProgramDialogs, SystemPbkdf2MatchesThePublishedVectors) {
    struct Case {
        const char* password;
        const char* salt;
        std::uint32_t iterations;
        std::size_t length;
        const char* key;
    };
    const Case cases[] = {
        {"password", "salt", 1, 32, "120fb6cffcf8b32c43e7225256c4f837a86548c92ccc35480805987cb70be17b"},
        {"passwordPASSWORDpassword", "saltSALTsaltSALTsaltSALTsaltSALTsalt", 4096, 40,
         "348c89dbcbd32b2f32d814b8116e84cf2b17347ebc1800181c4e2a1fb8dd53e1c635518c7dac47e9"},
    };
    for (const Case& c : cases) {
        const std::string salt = c.salt;
        const auto key = DerivePbkdf2Sha256(c.password, {reinterpret_cast<const std::uint8_t*>(salt.data()), salt.size()},
                                            c.iterations, c.length);
        ASSERT_TRUE(key) << c.password;
        EXPECT_EQ(Hex(*key), c.key);
    }
    const auto first = RandomBytes(kPasswordSaltBytes);
    const auto second = RandomBytes(kPasswordSaltBytes);
    ASSERT_TRUE(first && second);
    EXPECT_NE(*first, *second);
}

TEST_F(ProgramDialogs, TheStoredRoundsCostAMomentNotAWait) {
    const std::vector<std::uint8_t> salt(kPasswordSaltBytes, 7);
    const auto start = std::chrono::steady_clock::now();
    const auto key = DerivePbkdf2Sha256("password", salt, kPasswordIterations, kPasswordKeyBytes);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    ASSERT_TRUE(key);
    std::printf("PBKDF2-SHA256, %u rounds: %lld ms\n", kPasswordIterations, static_cast<long long>(ms.count()));
    EXPECT_LT(ms.count(), 2000) << "the prompt would keep the user waiting";
}

TEST_F(ProgramDialogs, SetPasswordWithoutAStoredOneNeedsNoOldOneButAPlaceToAsk) {
    CDialogSetPassword dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    const HWND d = dialog.hwnd();
    EXPECT_FALSE(Enabled(d, IDC_SETPASS_OLD));
    EXPECT_TRUE(Enabled(d, IDOK));
    for (const int id : {IDC_SETPASS_ON_LAUNCH, IDC_SETPASS_ON_MAIN_SHOW, IDC_SETPASS_ON_TRAY_OPEN}) {
        EXPECT_EQ(::IsDlgButtonChecked(d, id), BST_CHECKED) << id;
        Click(d, id);
    }
    EXPECT_FALSE(Enabled(d, IDOK)) << "no place left to ask";
    Click(d, IDC_SETPASS_ON_MAIN_SHOW);
    EXPECT_TRUE(Enabled(d, IDOK));
    // Fields take at most 20 characters.
    SetText(d, IDC_SETPASS_NEW, "");
    ::SendMessageA(::GetDlgItem(d, IDC_SETPASS_NEW), EM_REPLACESEL, FALSE,
                   reinterpret_cast<LPARAM>("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(Text(d, IDC_SETPASS_NEW).size(), 20u);
}

TEST_F(ProgramDialogs, MaskingFollowsItsCheckBox) {
    CDialogSetPassword dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    const HWND d = dialog.hwnd();
    const auto maskOf = [&](int id) { return ::SendMessageA(::GetDlgItem(d, id), EM_GETPASSWORDCHAR, 0, 0); };
    for (const int id : {IDC_SETPASS_OLD, IDC_SETPASS_NEW, IDC_SETPASS_CONFIRM}) EXPECT_EQ(maskOf(id), '*') << id;
    Click(d, IDC_SETPASS_MASK);
    for (const int id : {IDC_SETPASS_OLD, IDC_SETPASS_NEW, IDC_SETPASS_CONFIRM}) EXPECT_EQ(maskOf(id), 0) << id;
    SetText(d, IDC_SETPASS_NEW, "a");
    SetText(d, IDC_SETPASS_CONFIRM, "a");
    ASSERT_EQ(OkAndAnswer(d), MessageText(1020));
    EXPECT_EQ(SettingsStore().ReadNumber(Setting::PassMask), 0u);
}

TEST_F(ProgramDialogs, SetPasswordStoresAHashAndTheSettingsOnlyAfterEveryCheck) {
    {
        CDialogSetPassword dialog;
        ASSERT_TRUE(dialog.Create(nullptr));
        const HWND d = dialog.hwnd();
        SetText(d, IDC_SETPASS_NEW, "Secret");
        SetText(d, IDC_SETPASS_CONFIRM, "Secrets");
        EXPECT_EQ(OkAndAnswer(d), MessageText(1010));
        EXPECT_TRUE(StoredPass().empty()) << "nothing stored on a mismatch";
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(d, IDC_SETPASS_NEW));
        SetText(d, IDC_SETPASS_CONFIRM, "SECRET");  // the confirmation ignores letter case
        Click(d, IDC_SETPASS_ON_TRAY_OPEN);
        EXPECT_EQ(OkAndAnswer(d), MessageText(1020));
        EXPECT_EQ(dialog.Result(), IDOK);
    }
    const std::string stored = StoredPass();
    EXPECT_TRUE(ParsePasswordHash(stored).has_value()) << stored;
    EXPECT_EQ(stored.find("Secret"), std::string::npos);
    EXPECT_EQ(SettingsStore().ReadNumber(Setting::TrayOpen), 0u);

    CDialogSetPassword change;
    ASSERT_TRUE(change.Create(nullptr));
    const HWND d = change.hwnd();
    EXPECT_TRUE(Enabled(d, IDC_SETPASS_OLD));
    EXPECT_FALSE(Enabled(d, IDOK)) << "the old password is needed first";
    EXPECT_EQ(::IsDlgButtonChecked(d, IDC_SETPASS_ON_TRAY_OPEN), BST_UNCHECKED);
    SetText(d, IDC_SETPASS_OLD, "wrong");
    EXPECT_EQ(OkAndAnswer(d), MessageText(1000));
    EXPECT_EQ(Text(d, IDC_SETPASS_OLD), "");
    EXPECT_EQ(StoredPass(), stored);
    // The right old password in another case, and empty new fields, remove the password.
    SetText(d, IDC_SETPASS_OLD, "sEcReT");
    EXPECT_EQ(OkAndAnswer(d), MessageText(1020));
    EXPECT_TRUE(StoredPass().empty());
}

TEST_F(ProgramDialogs, ThePromptRejectsAWrongEntryAndAcceptsAnyCase) {
    SetPasswordThroughDialog("Open Sesame");
    CDialogPassword prompt;
    ASSERT_TRUE(prompt.Create(nullptr));
    const HWND d = prompt.hwnd();
    EXPECT_FALSE(Enabled(d, IDOK)) << "nothing typed";
    EXPECT_EQ(::SendMessageA(::GetDlgItem(d, IDC_PASSWORD_EDIT), EM_GETPASSWORDCHAR, 0, 0) != 0, true);
    SetText(d, IDC_PASSWORD_EDIT, "open sesam");
    EXPECT_TRUE(Enabled(d, IDOK));
    EXPECT_EQ(OkAndAnswer(d), MessageText(2000));
    EXPECT_EQ(Text(d, IDC_PASSWORD_EDIT), "");
    EXPECT_EQ(prompt.Result(), -1) << "still open";
    SetText(d, IDC_PASSWORD_EDIT, "OPEN SESAME");
    EXPECT_EQ(OkAndAnswer(d), "") << "no message when right";
    EXPECT_EQ(prompt.Result(), IDOK);
}

TEST_F(ProgramDialogs, APlainPasswordOfAnOlderVersionIsReplacedByItsHashWhenEntered) {
    SettingsStore().WriteText(Setting::Pass, "Legacy1");
    CDialogPassword prompt;
    ASSERT_TRUE(prompt.Create(nullptr));
    SetText(prompt.hwnd(), IDC_PASSWORD_EDIT, "legacy1");
    OkAndAnswer(prompt.hwnd());
    EXPECT_EQ(prompt.Result(), IDOK);
    EXPECT_TRUE(ParsePasswordHash(StoredPass()).has_value());
    EXPECT_EQ(StoredPass().find("Legacy1"), std::string::npos);
}

TEST_F(ProgramDialogs, WithoutAPasswordThePromptLetsEveryoneInUnseen) {
    EXPECT_TRUE(AskPassword(nullptr));
    CDialogPassword prompt;
    prompt.Create(nullptr);
    EXPECT_EQ(prompt.Result(), IDOK);
}

TEST_F(ProgramDialogs, OnlyOkOfThePromptLetsTheCallerGoOn) {
    SetPasswordThroughDialog("pw");
    // Cancel from inside the prompt's modal loop.
    ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        if (const HWND prompt = ::FindWindowA("#32770", "Kestrum"); prompt != nullptr && IsPasswordPromptOpen()) {
            ::KillTimer(nullptr, id);
            ::PostMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
        }
    });
    EXPECT_FALSE(AskPassword(nullptr));
    EXPECT_FALSE(IsPasswordPromptOpen());
}

TEST_F(ProgramDialogs, TheNoteStoresItsBoxOnEscapeAndNeverComesBack) {
    {
        CDialogNote note;
        ASSERT_TRUE(note.Create(nullptr));
        ::CheckDlgButton(note.hwnd(), IDC_NOTE_HIDE, BST_CHECKED);
        ::SendMessageA(note.hwnd(), WM_COMMAND, IDCANCEL, 0);  // what Escape sends
        EXPECT_EQ(note.Result(), IDCANCEL);
    }
    EXPECT_EQ(SettingsStore().ReadNumber(Setting::HideMessage), 1u);
    // Opened again it ends by itself, and does not undo the stored choice with its empty box.
    CDialogNote again;
    again.Create(nullptr);
    EXPECT_EQ(again.Result(), IDCANCEL);
    EXPECT_EQ(SettingsStore().ReadNumber(Setting::HideMessage), 1u);
    ShowTrayNote(nullptr);  // returns at once: a modal note would hang the test
    EXPECT_EQ(SettingsStore().ReadNumber(Setting::HideMessage), 1u);
}

TEST_F(ProgramDialogs, TheNoteCentresItsPictureAndClosesWithItsOnlyButton) {
    CDialogNote note;
    ASSERT_TRUE(note.Create(nullptr));
    RECT client{}, picture{};
    ::GetClientRect(note.hwnd(), &client);
    ::GetWindowRect(::GetDlgItem(note.hwnd(), IDC_NOTE_PICTURE), &picture);
    ::MapWindowPoints(nullptr, note.hwnd(), reinterpret_cast<POINT*>(&picture), 2);
    EXPECT_LE(std::abs((picture.left + picture.right) - client.right), 1);
    Click(note.hwnd(), IDCANCEL);
    EXPECT_EQ(SettingsStore().ReadNumber(Setting::HideMessage), 0u);
}

TEST_F(ProgramDialogs, AboutHasNoCaptionBarIsDraggedByItsBannerAndLinksTheAddresses) {
    CDialogAbout about;
    std::vector<std::string> opened;
    about.SetOpener([&](HWND, const std::string& target) {
        opened.push_back(target);
        return true;
    });
    ASSERT_TRUE(about.Create(nullptr));
    const HWND d = about.hwnd();
    EXPECT_EQ(::GetWindowLongPtrA(d, GWL_STYLE) & WS_CAPTION, WS_BORDER) << "a thin border, no caption bar";
    EXPECT_EQ(about.MakerLink().Target(), CurrentLanguage().MakerWebAddress());
    EXPECT_EQ(Text(d, IDC_ABOUT_MAKER), CurrentLanguage().MakerWebAddress());
    EXPECT_EQ(about.SupportLink().Target().rfind("mailto:", 0), 0u);
    EXPECT_EQ(Text(d, IDC_ABOUT_VERSION).rfind("Version ", 0), 0u);
    EXPECT_FALSE(Text(d, IDC_ABOUT_LEGAL).empty());

    RECT banner{}, close{};
    ::GetWindowRect(::GetDlgItem(d, IDC_ABOUT_BANNER), &banner);
    ::GetWindowRect(::GetDlgItem(d, IDCANCEL), &close);
    const auto hit = [&](LONG x, LONG y) { return ::SendMessageA(d, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    EXPECT_EQ(hit(banner.left + 5, banner.top + 5), HTCAPTION);
    EXPECT_EQ(hit(banner.right - 5, banner.bottom - 5), HTCAPTION);
    EXPECT_EQ(hit(close.left + 3, close.top + 3), HTCLIENT);

    ::SendMessageA(::GetDlgItem(d, IDC_ABOUT_MAKER), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], CurrentLanguage().MakerWebAddress());
    Click(d, IDCANCEL);
    EXPECT_EQ(about.Result(), IDCANCEL);
}

}  // namespace
