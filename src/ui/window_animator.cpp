// The animation entry is resolved once, when the animator is built, and freed with it.
#include "ui/window_animator.h"

#include "framework/proc_address.h"
#include "ui/window_utils.h"

WindowAnimator::WindowAnimator(const char* moduleName, const char* entryName)
    : module_(::LoadLibraryA(moduleName)), animate_(ProcAddress<AnimateFn>(module_.get(), entryName)) {}

int WindowAnimator::Animate(HWND window, DWORD duration, DWORD flags) const {
    if (!IsLiveWindow(window)) return 0;
    const bool hide = (flags & AW_HIDE) != 0;
    // AnimateWindow refuses, among others, to show a visible or hide a hidden window; the
    // window must still end up as asked.
    if (animate_ && enabled_ && NewerSystem() && animate_(window, duration, flags)) return 1;
    if (hide) {
        ::ShowWindow(window, SW_HIDE);
    } else {
        // As the animation would: activated only when asked to.
        ::ShowWindow(window, (flags & AW_ACTIVATE) ? SW_SHOW : SW_SHOWNA);
        ::UpdateWindow(window);
    }
    return 1;
}
