// Window placement arithmetic: the centred default rectangle and the meaning of a stored state.
#pragma once

#include <cstdint>

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The main window's first rectangle: 360 x 266 dialog units (from the system's dialog base
// units, integer division) centred in the work area.
ScreenRect CentredDefaultRect(const ScreenRect& workArea, int baseUnitX, int baseUnitY);

// The stored `State` value: 1 normal, 2 minimised, 3 maximised; any other value means normal.
enum class WindowState : std::uint32_t { Normal = 1, Minimised = 2, Maximised = 3 };
WindowState WindowStateFromStored(std::uint32_t stored);

// A stored rectangle as read back (Left, Top, Width, Height as 32-bit values, negative
// coordinates in two's complement), or `fallback` when it cannot be a window's rectangle:
// a width or height that is not positive, or larger than any screen can be.
ScreenRect StoredRectOr(std::uint32_t left, std::uint32_t top, std::uint32_t width, std::uint32_t height,
                        const ScreenRect& fallback);

// The least of a window that must lie in a work area for the user to reach and move it.
inline constexpr int kMinVisibleWidth = 160;
inline constexpr int kMinVisibleHeight = 100;

// The part of `window` (as the system placed it, after its own clamping) inside the work area
// of its monitor, or `fallback` when less than kMinVisibleWidth x kMinVisibleHeight of it
// would be visible there (a smaller window must lie there whole).
ScreenRect VisiblePartOr(const ScreenRect& window, const ScreenRect& workArea, const ScreenRect& fallback);
