// The session-wide mutex and the search for the running copy's main window.
#include "app/single_instance.h"

#include "app/frame_application.h"
#include "app/instance_marker.h"
#include "settings/settings_store.h"
#include "ui/window_utils.h"

namespace {

// "Local\" keeps one copy per log-on session, as the window search also sees only its desktop.
constexpr char kMutexName[] = "Local\\QuillonWorks.Kestrum.Running";

BOOL CALLBACK FindMarked(HWND window, LPARAM found) {
    if (::GetWindowLongPtrA(window, GWLP_USERDATA) != kInstanceMarker) return TRUE;
    if (!HasClassName(window, CFrameApplication::kWindowClass)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

bool SingleInstance::Acquire() {
    mutex_.reset(::CreateMutexA(nullptr, TRUE, kMutexName));
    const DWORD error = ::GetLastError();
    // Without a mutex at all the program still runs: one copy too many beats none.
    return !mutex_ || error != ERROR_ALREADY_EXISTS;
}

bool WakeRunningCopy() {
    HWND running = nullptr;
    ::EnumWindows(&FindMarked, reinterpret_cast<LPARAM>(&running));
    if (running == nullptr) return false;
    DWORD process = 0;
    ::GetWindowThreadProcessId(running, &process);
    // This start came from the user, so it may hand the foreground on to the running copy.
    ::AllowSetForegroundWindow(process);
    if (!::IsWindowVisible(running) && !SettingsStore().ReadText(Setting::Pass).empty()) {
        ::PostMessageA(running, WM_TRAY_NOTIFY, 0, WM_LBUTTONDOWN);
        return true;
    }
    ::ShowWindow(running, SW_SHOWNORMAL);
    ::UpdateWindow(running);
    ::BringWindowToTop(running);
    ::SetForegroundWindow(running);
    return true;
}
