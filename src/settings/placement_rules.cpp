// The arithmetic of the main window's placement, free of the window manager so it is tested natively.
#include "settings/placement_rules.h"

#include <algorithm>

namespace {
// Window coordinates are 16-bit quantities in many places of the window manager; a stored value
// beyond them is damage, not a placement.
constexpr std::int64_t kCoordinateLimit = 32767;

std::int64_t Signed(std::uint32_t stored) { return static_cast<std::int32_t>(stored); }
}  // namespace

ScreenRect CentredDefaultRect(const ScreenRect& workArea, int baseUnitX, int baseUnitY) {
    // Large fonts (a display at 150 % or more) make 360 x 266 dialog units outgrow a small screen:
    // the window then fills the work area rather than opening with its caption out of reach.
    const int width = std::min(360 * baseUnitX / 4, workArea.Width());
    const int height = std::min(266 * baseUnitY / 8, workArea.Height());
    const int left = workArea.left + workArea.Width() / 2 - width / 2;
    const int top = workArea.top + workArea.Height() / 2 - height / 2;
    return {left, top, left + width, top + height};
}

WindowState WindowStateFromStored(std::uint32_t stored) {
    switch (stored) {
        case 2:
            return WindowState::Minimised;
        case 3:
            return WindowState::Maximised;
        default:
            return WindowState::Normal;
    }
}

ScreenRect StoredRectOr(std::uint32_t left, std::uint32_t top, std::uint32_t width, std::uint32_t height,
                        const ScreenRect& fallback) {
    const std::int64_t x = Signed(left), y = Signed(top), w = Signed(width), h = Signed(height);
    const auto inRange = [](std::int64_t v) { return v >= -kCoordinateLimit && v <= kCoordinateLimit; };
    if (w <= 0 || h <= 0 || !inRange(x) || !inRange(y) || !inRange(x + w) || !inRange(y + h)) return fallback;
    return {static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + w), static_cast<int>(y + h)};
}

ScreenRect VisiblePartOr(const ScreenRect& window, const ScreenRect& workArea, const ScreenRect& fallback) {
    const ScreenRect visible{std::max(window.left, workArea.left), std::max(window.top, workArea.top),
                             std::min(window.right, workArea.right), std::min(window.bottom, workArea.bottom)};
    const int needWidth = std::min(kMinVisibleWidth, window.Width());
    const int needHeight = std::min(kMinVisibleHeight, window.Height());
    if (window.Width() <= 0 || window.Height() <= 0 || visible.Width() < needWidth || visible.Height() < needHeight) {
        return fallback;
    }
    return visible;
}
