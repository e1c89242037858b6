// Start-up and shutdown of Kestrum.
#include "app/application.h"

#include <commctrl.h>

#include "settings/autorun.h"
#include "app/frame_application.h"
#include "app/instance_marker.h"
#include "app/intro_launch.h"
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
    // The earlier copy is now shown and in front; this one touches nothing.
    if (ActivateRunningCopy(kInstanceMarker)) return false;

    com_.emplace();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                                          ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    // The settings live in the program's own branch (SettingsStore's default).
    const SettingsStore settings;
    ApplyAutorunAtStartup(ProgramAutorunEntry(), settings.ReadFlag(Setting::Autoload));

    language_.SetLanguage(UsableLanguageName(settings.ReadText(Setting::Lang)));
    SetCurrentLanguage(&language_);

    // The password prompt at launch comes here once it exists.

    auto& frame = static_cast<CFrameApplication&>(SetMainWindow(std::make_unique<CFrameApplication>(model_)));
    if (!frame.CreateFrame()) return false;
    SetInstanceMarker(frame.hwnd(), kInstanceMarker);

    // A minimised start keeps the window hidden; the note about the tray icon comes here once
    // it exists.
    const bool startHidden = settings.ReadFlag(Setting::Minimized);
    RestoreWindowPlacement(frame.hwnd(), DefaultMainWindowRect(), WindowState::Normal, startHidden);
    if (!startHidden) ::SetFocus(frame.hwnd());

    StartQuickIntroIfWanted(frame.hwnd());
    return true;
}

int CApplication::Exit(int quitCode) {
    com_.reset();
    return quitCode;
}
