// Showing and hiding windows with the system's animation where the system has it.
#pragma once

#include <windows.h>

#include "framework/win_handles.h"

class WindowAnimator {
public:
    // Loads the module and resolves the entry; the defaults are the system's. Other names are
    // for systems (and tests) where the entry is missing.
    explicit WindowAnimator(const char* moduleName = "user32.dll", const char* entryName = "AnimateWindow");
    WindowAnimator(const WindowAnimator&) = delete;
    WindowAnimator& operator=(const WindowAnimator&) = delete;

    // Shows or hides (flag AW_HIDE) the window, animated for `duration` milliseconds when the
    // entry exists, the animator is enabled and the system is newer; otherwise at once. 1, or
    // 0 for a dead window.
    int Animate(HWND window, DWORD duration, DWORD flags) const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool HasAnimation() const { return animate_ != nullptr; }

private:
    using AnimateFn = BOOL(WINAPI*)(HWND, DWORD, DWORD);

    UniqueModule module_;
    AnimateFn animate_ = nullptr;
    bool enabled_ = true;
};
