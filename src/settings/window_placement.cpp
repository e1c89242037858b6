// The main window's placement in the registry: written when the program ends, applied at start.
#include "settings/window_placement.h"

#include "settings/settings_table.h"

namespace {

ScreenRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const ScreenRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// Registry numbers are unsigned; coordinates left of or above the primary monitor are negative.
std::uint32_t Stored(int value) { return static_cast<std::uint32_t>(value); }
std::uint32_t Stored(WindowState state) { return static_cast<std::uint32_t>(state); }

RegistryKey OpenPlacementKey(const SettingsStore& store) {
    const RegistryKey branch = store.OpenBranch();
    if (!branch) return {};
    return RegistryKey::OpenOrCreate(branch.get(), kMainWindowKey);
}

// A rectangle saved on a monitor that has since gone would put the window out of reach.
bool OnSomeMonitor(const RECT& rect) { return ::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != nullptr; }

// The system clamps a huge size but not the position that goes with it: a window far to the
// left with a huge width passes the monitor test and still opens out of reach. What is left
// after the clamp is cut to the work area of the nearest monitor.
void KeepWithinWorkArea(HWND window, const RECT& defaultRect) {
    RECT placed{};
    if (!::GetWindowRect(window, &placed)) return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoA(::MonitorFromRect(&placed, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const ScreenRect fitted = VisiblePartOr(FromRect(placed), FromRect(monitor.rcWork), FromRect(defaultRect));
    if (fitted == FromRect(placed)) return;
    ::SetWindowPos(window, nullptr, fitted.left, fitted.top, fitted.Width(), fitted.Height(),
                   SWP_NOACTIVATE | SWP_NOZORDER);
}

int ShowCommandFor(WindowState state) {
    switch (state) {
        case WindowState::Maximised:
            return SW_SHOWMAXIMIZED;
        case WindowState::Minimised:
            return SW_SHOWMINIMIZED;
        case WindowState::Normal:
            break;
    }
    return SW_SHOWNORMAL;
}

}  // namespace

bool SaveWindowPlacement(HWND window, const SettingsStore& store) {
    if (!::IsWindow(window)) return false;
    const RegistryKey key = OpenPlacementKey(store);
    if (!key) return false;
    if (::IsIconic(window)) return key.SetNumber(kPlacementState, Stored(WindowState::Minimised));
    if (::IsZoomed(window)) return key.SetNumber(kPlacementState, Stored(WindowState::Maximised));

    RECT rect{};
    if (!::GetWindowRect(window, &rect)) return false;
    bool stored = key.SetNumber(kPlacementState, Stored(WindowState::Normal));
    stored = key.SetNumber(kPlacementLeft, Stored(rect.left)) && stored;
    stored = key.SetNumber(kPlacementTop, Stored(rect.top)) && stored;
    stored = key.SetNumber(kPlacementWidth, Stored(rect.right - rect.left)) && stored;
    stored = key.SetNumber(kPlacementHeight, Stored(rect.bottom - rect.top)) && stored;
    return stored;
}

void RestoreWindowPlacement(HWND window, const RECT& defaultRect, WindowState defaultState, bool startHidden,
                            const SettingsStore& store) {
    if (!::IsWindow(window)) return;
    const RegistryKey key = OpenPlacementKey(store);
    const ScreenRect fallback = FromRect(defaultRect);
    const std::uint32_t height = key.GetNumber(kPlacementHeight, Stored(fallback.Height()));
    const std::uint32_t width = key.GetNumber(kPlacementWidth, Stored(fallback.Width()));
    const std::uint32_t top = key.GetNumber(kPlacementTop, Stored(fallback.top));
    const std::uint32_t left = key.GetNumber(kPlacementLeft, Stored(fallback.left));
    RECT rect = ToRect(StoredRectOr(left, top, width, height, fallback));
    if (!OnSomeMonitor(rect)) rect = defaultRect;

    ::SetWindowPos(window, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOACTIVATE);
    KeepWithinWorkArea(window, defaultRect);
    if (startHidden) return;

    const WindowState state =
        WindowStateFromStored(key.GetNumber(kPlacementState, Stored(defaultState)));
    ::ShowWindow(window, ShowCommandFor(state));
    ::UpdateWindow(window);
}

RECT DefaultMainWindowRect() {
    RECT workArea{};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0)) {
        workArea = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    }
    const LONG baseUnits = ::GetDialogBaseUnits();
    return ToRect(CentredDefaultRect(FromRect(workArea), LOWORD(baseUnits), HIWORD(baseUnits)));
}
