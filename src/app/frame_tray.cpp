// The main window's side of the notification area: adding the icon (again after the task bar
// restarts, and again while the shell refuses it at log-on), and what clicks on it mean.
#include "app/frame_application.h"

#include "app/tray_rules.h"
#include "settings/settings_store.h"

void CFrameApplication::AddTrayIcon() {
    // Explorer broadcasts this after its task bar is (re)created: every icon must be added anew.
    if (taskbarCreated_ == 0) taskbarCreated_ = ::RegisterWindowMessageA("TaskbarCreated");
    trayAttempt_ = 0;
    ::KillTimer(hwnd(), kTrayRetryTimer);
    if (!tray_.Add(hwnd(), WM_TRAY_NOTIFY, title_, icon_.get())) RetryTrayIcon();
}

// Called once an add was refused, and by the retry timer. A shell still starting after log-on
// refuses adds for a while; the timer runs only until the icon is in or the program gives up.
void CFrameApplication::RetryTrayIcon() {
    ::KillTimer(hwnd(), kTrayRetryTimer);
    if (trayAttempt_ > 0 && tray_.AddAgain()) return;
    const unsigned delay = TrayRetryDelayMs(++trayAttempt_);
    if (delay != 0) {
        ::SetTimer(hwnd(), kTrayRetryTimer, delay, nullptr);
        return;
    }
    // No icon: a hidden window could then be reached only by its hot key.
    if (!::IsWindowVisible(hwnd())) ShowMainWindow();
}

LRESULT CFrameApplication::DefaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != 0 && message == taskbarCreated_) {
        if (!tray_.AddAgain()) {
            trayAttempt_ = 0;
            RetryTrayIcon();
        }
        return 0;
    }
    return CFrameWindow::DefaultProcedure(message, wParam, lParam);
}

bool CFrameApplication::PasswordAllows(Setting guard) {
    if (SettingsStore().ReadNumber(guard) == 0) return true;
    if (passwordPrompt_) return passwordPrompt_(hwnd());
    // Without a prompt only a program without a password opens.
    return SettingsStore().ReadText(Setting::Pass).empty();
}

LRESULT CFrameApplication::OnTrayNotify(const RawMessageArgs<WM_TRAY_NOTIFY>& args) {
    // While a prompt or another modal dialog runs, clicks would stack more of them.
    if (!AcceptsUserRequests()) return 0;
    switch (static_cast<UINT>(args.lParam)) {
        case WM_LBUTTONDOWN:
            HideRecentPopup();
            if (PasswordAllows(Setting::MainShow)) ShowMainWindow();
            break;
        case WM_RBUTTONDOWN:
            if (::IsWindowVisible(hwnd())) break;
            if (PasswordAllows(Setting::TrayOpen)) ShowTrayMenu();
            break;
        case WM_MOUSEMOVE:
            if (SettingsStore().ReadNumber(Setting::Tray) != 0) ShowRecentPopup();
            break;
        default:
            // Double clicks and the rest mean nothing: the first click already acted.
            break;
    }
    return 0;
}

void CFrameApplication::ShowTrayMenu() {
    const HMENU popup = ::GetSubMenu(TrayMenu(), 0);
    if (popup == nullptr) return;
    POINT at{};
    ::GetCursorPos(&at);
    ::SetMenuDefaultItem(popup, 0, TRUE);  // "Open", drawn bold
    const HWND top = ::GetAncestor(hwnd(), GA_ROOT);
    // Without the foreground the menu would not close when the user clicks elsewhere, and
    // without the empty message after it a second right click would not open it again.
    ::SetForegroundWindow(top);
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, top, nullptr);
    ::PostMessageA(top, WM_NULL, 0, 0);
}

void CFrameApplication::OnTrayOpen() { ShowMainWindow(); }
