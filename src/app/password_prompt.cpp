// The password prompt: closes by itself with OK when no password is stored; a wrong entry is
// reported and emptied, and the user may try again or cancel.
#include "app/password_prompt.h"

#include "app/password_prompt_dialog.h"
#include "app/password_store.h"
#include "framework/message_box.h"
#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"

namespace {
int openPrompts = 0;
}  // namespace

bool IsPasswordPromptOpen() { return openPrompts > 0; }

bool AskPassword(HWND owner) {
    if (!PasswordIsSet()) return true;
    // A second request while one prompt waits is refused, not stacked.
    if (IsPasswordPromptOpen()) return false;
    ++openPrompts;
    CDialogPassword prompt;
    const INT_PTR result = prompt.DoModal(owner);
    --openPrompts;
    return result == IDOK;
}

CDialogPassword::CDialogPassword() : DialogBase(IDD_PASSWORD) {}

const MessageMap& CDialogPassword::Map() const {
    static constexpr NotifyEntry kNotifications[] = {
        route::Control<EN_CHANGE, IDC_PASSWORD_EDIT, &CDialogPassword::OnTextChanged>(),
    };
    static const MessageMap kMap{.notifications = kNotifications, .base = &DialogBase::Map()};
    return kMap;
}

bool CDialogPassword::OnInitDialog() {
    if (!SetupFrame(IDI_PASSWORD, IDI_HELP_LINK, "opt_pass.htm")) return false;
    CurrentLanguage().TranslateWindow(true, false, hwnd(), IDD_PASSWORD);
    ::SetWindowTextA(hwnd(), ApplicationTitle().c_str());
    const HWND edit = Item(IDC_PASSWORD_EDIT);
    if (edit == nullptr) {
        End(IDCANCEL);
        return false;
    }
    ::SendMessageA(edit, EM_LIMITTEXT, kPasswordMaxChars, 0);
    if (!PasswordIsSet()) {
        End(IDOK);
        return false;
    }
    OnTextChanged();
    ::SetFocus(edit);
    return false;
}

void CDialogPassword::OnTextChanged() {
    if (const HWND ok = Item(IDOK)) ::EnableWindow(ok, ::GetWindowTextLengthA(Item(IDC_PASSWORD_EDIT)) > 0);
}

void CDialogPassword::OnOK() {
    // Enter in the field reaches here even while OK is greyed.
    if (!::IsWindowEnabled(Item(IDOK))) return;
    if (VerifyPassword(ItemText(IDC_PASSWORD_EDIT)) != PasswordCheck::Wrong) {
        End(IDOK);
        return;
    }
    ShowMessage(hwnd(), MessageText(2000), MB_OK);
    SetItemText(IDC_PASSWORD_EDIT, "");
    ::SetFocus(Item(IDC_PASSWORD_EDIT));
}
