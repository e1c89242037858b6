// Undecoded parameters for handlers that add to a control's own handling of a message and then
// pass it on to the control unchanged.
#pragma once

#include <windows.h>

template <UINT... Messages>
struct PassedOnArgs {
    PassedOnArgs(WPARAM w, LPARAM l) : wParam(w), lParam(l) {}
    static constexpr bool Accepts(UINT m) { return ((m == Messages) || ...); }
    WPARAM wParam;
    LPARAM lParam;
};
