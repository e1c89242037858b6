// Pure rules behind the context-menu position, translucency flags, folder probe and file filters.
#include "ui/window_rules.h"

#include <algorithm>

std::optional<PixelPoint> ContextMenuPoint(PixelPoint requested, const PixelRect& focusWindow, bool focusVisible) {
    if (requested.x == -1 && requested.y == -1) requested = {focusWindow.left + 5, focusWindow.top + 5};
    const bool inside = requested.x >= focusWindow.left && requested.x < focusWindow.right &&
                        requested.y >= focusWindow.top && requested.y < focusWindow.bottom;
    if (focusVisible && !inside) return std::nullopt;
    return requested;
}

std::uint32_t LayeredFlagsForMode(int mode) {
    constexpr std::uint32_t kColorKey = 1;  // LWA_COLORKEY
    constexpr std::uint32_t kAlpha = 2;     // LWA_ALPHA
    switch (mode) {
        case 0:
            return kColorKey;
        case 1:
            return kAlpha;
        default:
            return kColorKey | kAlpha;
    }
}

std::string WritableTestFilePath(std::string_view folder) {
    if (folder.empty()) return {};
    if (folder.back() == '\\') folder.remove_suffix(1);
    std::string path(folder);
    path += '\\';
    path += kWritableTestFileName;
    return path;
}

std::string FileDialogFilter(std::string_view pairs) {
    while (!pairs.empty() && pairs.back() == '|') pairs.remove_suffix(1);
    if (pairs.empty()) return {};
    std::string filter(pairs);
    filter += '|';
    std::replace(filter.begin(), filter.end(), '|', '\0');
    return filter;
}
