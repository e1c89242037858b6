// Start-up and shutdown of Kestrum.
#include "app/application.h"

#include <commctrl.h>

#include "settings/autorun.h"
#include "app/about_dialog.h"
#include "app/frame_application.h"
#include "app/instance_marker.h"
#include "app/intro_launch.h"
#include "app/note_dialog.h"
#include "app/password_prompt.h"
#include "app/set_password_dialog.h"
#include "resource.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"
#include "language/language_keys.h"
#include "language/message_text.h"
#include "ui/window_utils.h"

CApplication::~CApplication() {
    SetMainWindow(nullptr);
    SetCurrentLanguage(nullptr);
}

bool CApplication::Start() {
    // The mutex comes first: the window marker appears only after the password and the watcher,
    // so two starts close together would both find no window and both record every opening.
    // The earlier copy is woken (or is still starting); this one touches nothing.
    if (!instance_.Acquire()) {
        WakeRunningCopy();
        return false;
    }

    help_.emplace();
    com_.emplace();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                                          ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    // The settings live in the program's own branch (SettingsStore's default).
    const SettingsStore settings;
    ApplyAutorunAtStartup(ProgramAutorunEntry(), settings.ReadFlag(Setting::Autoload));

    language_.SetLanguage(UsableLanguageName(settings.ReadText(Setting::Lang)));
    SetCurrentLanguage(&language_);

    // Only OK goes on: Cancel, and a prompt that could not open, end the program.
    if (settings.ReadNumber(Setting::PassLaunch) != 0 && !AskPassword(nullptr)) return false;

    auto& frame = static_cast<CFrameApplication&>(SetMainWindow(std::make_unique<CFrameApplication>(model_)));
    if (!frame.CreateFrame()) return false;
    frame.SetPasswordPrompt(&AskPassword);
    SetInstanceMarker(frame.hwnd(), kInstanceMarker);

    // A minimised start keeps the window hidden, after the note about the tray icon.
    const bool startHidden = settings.ReadFlag(Setting::Minimized);
    if (startHidden) ShowTrayNote(frame.hwnd());
    RestoreWindowPlacement(frame.hwnd(), DefaultMainWindowRect(), WindowState::Normal, startHidden);
    if (!startHidden) ::SetFocus(frame.hwnd());

    StartQuickIntroIfWanted(frame.hwnd());
    return true;
}

int CApplication::Exit(int quitCode) {
    com_.reset();
    help_.reset();
    return quitCode;
}

const MessageMap& CApplication::Map() const {
    static constexpr CommandEntry kCommands[] = {
        route::Command<ID_SERVICE_PASSWORD, &CApplication::OnChangePassword>(),
        route::Command<ID_HELP_ABOUT, &CApplication::OnAbout>(),
    };
    static constexpr MessageMap kMap{.commands = kCommands};
    return kMap;
}

HWND CApplication::DialogOwner() const {
    const CFrameWindow* frame = MainWindow();
    return frame != nullptr ? frame->hwnd() : nullptr;
}

void CApplication::OnChangePassword() {
    CDialogSetPassword dialog;
    dialog.DoModal(DialogOwner());
}

void CApplication::OnAbout() {
    CDialogAbout dialog;
    dialog.DoModal(DialogOwner());
}
