// Per-monitor DPI calls are looked up at run time: older systems lack them, and a process
// without per-monitor awareness gets the system DPI from them anyway.
#include "framework/display_dpi.h"

#include "framework/proc_address.h"

namespace {

HMODULE User32() { return ::GetModuleHandleA("user32.dll"); }

int ScreenLogPixels() {
    const HDC screen = ::GetDC(nullptr);
    if (screen == nullptr) return kDesignDpi;
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return UsableDpi(dpi);
}

}  // namespace

int SystemDpi() {
    using GetDpiForSystemFn = UINT(WINAPI*)();
    static const auto getDpiForSystem = ProcAddress<GetDpiForSystemFn>(User32(), "GetDpiForSystem");
    return getDpiForSystem != nullptr ? UsableDpi(static_cast<int>(getDpiForSystem())) : ScreenLogPixels();
}

int DpiOfWindow(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = ProcAddress<GetDpiForWindowFn>(User32(), "GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr && ::IsWindow(window)) {
        // Zero for a window of another process that the call cannot answer for.
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) return UsableDpi(static_cast<int>(dpi));
    }
    return SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto forDpi = ProcAddress<GetSystemMetricsForDpiFn>(User32(), "GetSystemMetricsForDpi");
    dpi = UsableDpi(dpi);
    if (forDpi != nullptr) return forDpi(index, static_cast<UINT>(dpi));
    return RescaleDpi(::GetSystemMetrics(index), SystemDpi(), dpi);
}
