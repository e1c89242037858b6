// The set/change dialog: stores the new password (as a hash) and the three places to ask it
// only after the old one was typed right and the new one twice alike.
#include "app/set_password_dialog.h"

#include "app/password_store.h"
#include "framework/message_box.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"
#include "settings/settings_store.h"

namespace {

constexpr int kPasswordEdits[] = {IDC_SETPASS_OLD, IDC_SETPASS_NEW, IDC_SETPASS_CONFIRM};
constexpr int kPlaceBoxes[] = {IDC_SETPASS_ON_LAUNCH, IDC_SETPASS_ON_MAIN_SHOW, IDC_SETPASS_ON_TRAY_OPEN};
constexpr int kItemsUsed[] = {IDC_SETPASS_OLD, IDC_SETPASS_NEW, IDC_SETPASS_CONFIRM, IDC_SETPASS_MASK,
                              IDC_SETPASS_ON_LAUNCH, IDC_SETPASS_ON_MAIN_SHOW, IDC_SETPASS_ON_TRAY_OPEN, IDOK};

}  // namespace

CDialogSetPassword::CDialogSetPassword() : DialogBase(IDD_SET_PASSWORD) {}

const MessageMap& CDialogSetPassword::Map() const {
    static constexpr NotifyEntry kNotifications[] = {
        route::Control<EN_CHANGE, IDC_SETPASS_OLD, &CDialogSetPassword::ApplyOkRule>(),
        route::Control<EN_CHANGE, IDC_SETPASS_NEW, &CDialogSetPassword::ApplyOkRule>(),
        route::Control<EN_CHANGE, IDC_SETPASS_CONFIRM, &CDialogSetPassword::ApplyOkRule>(),
    };
    // Button clicks arrive as commands.
    static constexpr CommandEntry kCommands[] = {
        route::Command<IDC_SETPASS_ON_LAUNCH, &CDialogSetPassword::ApplyOkRule>(),
        route::Command<IDC_SETPASS_ON_MAIN_SHOW, &CDialogSetPassword::ApplyOkRule>(),
        route::Command<IDC_SETPASS_ON_TRAY_OPEN, &CDialogSetPassword::ApplyOkRule>(),
        route::Command<IDC_SETPASS_MASK, &CDialogSetPassword::ApplyMasking>(),
    };
    static const MessageMap kMap{
        .commands = kCommands, .notifications = kNotifications, .base = &DialogBase::Map()};
    return kMap;
}

bool CDialogSetPassword::OnInitDialog() {
    if (!SetupFrame(IDI_PASSWORD, IDI_HELP_LINK, "opt_pass.htm")) return false;
    // A template without one of the controls the rules read cannot work: refuse, do not guess.
    for (const int id : kItemsUsed) {
        if (Item(id) == nullptr) {
            End(IDCANCEL);
            return false;
        }
    }
    CurrentLanguage().TranslateWindow(true, true, hwnd(), IDD_SET_PASSWORD);
    for (const int id : kPasswordEdits) ::SendMessageA(Item(id), EM_LIMITTEXT, kPasswordMaxChars, 0);

    const SettingsStore store;
    passwordStored_ = PasswordIsSet();
    ::EnableWindow(Item(IDC_SETPASS_OLD), passwordStored_ ? TRUE : FALSE);
    SetChecked(IDC_SETPASS_MASK, store.ReadNumber(Setting::PassMask) != 0);
    SetChecked(IDC_SETPASS_ON_LAUNCH, store.ReadNumber(Setting::PassLaunch) != 0);
    SetChecked(IDC_SETPASS_ON_MAIN_SHOW, store.ReadNumber(Setting::MainShow) != 0);
    SetChecked(IDC_SETPASS_ON_TRAY_OPEN, store.ReadNumber(Setting::TrayOpen) != 0);
    ApplyMasking();
    ApplyOkRule();
    ::SetFocus(Item(passwordStored_ ? IDC_SETPASS_OLD : IDC_SETPASS_NEW));
    return false;
}

void CDialogSetPassword::ApplyMasking() {
    const WPARAM mask = IsChecked(IDC_SETPASS_MASK) ? '*' : 0;
    for (const int id : kPasswordEdits) {
        ::SendMessageA(Item(id), EM_SETPASSWORDCHAR, mask, 0);
        ::InvalidateRect(Item(id), nullptr, TRUE);
    }
}

void CDialogSetPassword::ApplyOkRule() {
    const bool enabled =
        SetPasswordOkEnabled(passwordStored_, ::GetWindowTextLengthA(Item(IDC_SETPASS_OLD)) > 0,
                             IsChecked(kPlaceBoxes[0]), IsChecked(kPlaceBoxes[1]), IsChecked(kPlaceBoxes[2]));
    ::EnableWindow(Item(IDOK), enabled ? TRUE : FALSE);
}

void CDialogSetPassword::OnOK() {
    // Enter reaches here even while OK is greyed.
    if (!::IsWindowEnabled(Item(IDOK))) return;
    const std::string newText = ItemText(IDC_SETPASS_NEW);
    switch (DecideSetPassword(SettingsStore().ReadText(Setting::Pass), ItemText(IDC_SETPASS_OLD), newText,
                              ItemText(IDC_SETPASS_CONFIRM), SystemDeriveKey())) {
        case SetPasswordStep::WrongOld:
            ShowMessage(hwnd(), MessageText(1000), MB_OK);
            SetItemText(IDC_SETPASS_OLD, "");
            ::SetFocus(Item(IDC_SETPASS_OLD));
            return;
        case SetPasswordStep::Mismatch: {
            ShowMessage(hwnd(), MessageText(1010), MB_OK);
            const HWND edit = Item(IDC_SETPASS_NEW);
            ::SetFocus(edit);
            ::SendMessageA(edit, EM_SETSEL, 0, -1);
            ::SendMessageA(edit, EM_SCROLLCARET, 0, 0);
            return;
        }
        case SetPasswordStep::Store: break;
    }
    // Nothing is claimed while the password could not be stored: the dialog stays open.
    if (!StorePassword(newText)) return;
    const SettingsStore store;
    store.WriteNumber(Setting::PassMask, IsChecked(IDC_SETPASS_MASK) ? 1 : 0);
    store.WriteNumber(Setting::PassLaunch, IsChecked(IDC_SETPASS_ON_LAUNCH) ? 1 : 0);
    store.WriteNumber(Setting::MainShow, IsChecked(IDC_SETPASS_ON_MAIN_SHOW) ? 1 : 0);
    store.WriteNumber(Setting::TrayOpen, IsChecked(IDC_SETPASS_ON_TRAY_OPEN) ? 1 : 0);
    ShowMessage(hwnd(), MessageText(1020), MB_OK | MB_ICONINFORMATION);
    End(IDOK);
}
