// The tray note: a picture, a text and a box to never show it again.
#include "app/note_dialog.h"

#include "language/message_text.h"
#include "language/ui_language.h"
#include "resource.h"
#include "settings/settings_store.h"

void ShowTrayNote(HWND owner) {
    if (SettingsStore().ReadNumber(Setting::HideMessage) != 0) return;
    CDialogNote note;
    note.DoModal(owner);
}

CDialogNote::CDialogNote() : DialogBase(IDD_NOTE) {}

bool CDialogNote::OnInitDialog() {
    if (!SetupFrame(kNoIcon, kNoIcon, "")) return false;
    if (const HWND picture = Item(IDC_NOTE_PICTURE)) ExcludeFromTranslation(picture);
    CurrentLanguage().TranslateWindow(true, true, hwnd(), IDD_NOTE);
    CentrePicture();
    // Closing by itself must not take the user's path: the box is as the template left it,
    // not as the user set it, and storing it would undo the stored choice.
    if (SettingsStore().ReadNumber(Setting::HideMessage) != 0) {
        End(IDCANCEL);
        return false;
    }
    return true;
}

void CDialogNote::CentrePicture() {
    const HWND picture = Item(IDC_NOTE_PICTURE);
    if (picture == nullptr) return;
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    RECT place{};
    ::GetWindowRect(picture, &place);
    ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&place), 2);
    const int width = place.right - place.left;
    ::SetWindowPos(picture, nullptr, (client.right - width) / 2, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CDialogNote::OnCancel() {
    if (Item(IDC_NOTE_HIDE) != nullptr) {
        SettingsStore().WriteNumber(Setting::HideMessage, IsChecked(IDC_NOTE_HIDE) ? 1 : 0);
    }
    End(IDCANCEL);
}
