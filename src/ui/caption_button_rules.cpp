// Caption button rules, kept apart from GDI so the state order and geometry are checked natively.
#include "ui/caption_button_rules.h"

#include <algorithm>

int CaptionThemePart(int captionPart) {
    switch (captionPart) {
        case 0: return caption_part::kClose;
        case 1: return caption_part::kSmallClose;
        case 2: return caption_part::kMinimize;
        case 3: return caption_part::kRestore;
        case 5: return caption_part::kMaximize;
        case 9: return caption_part::kMdiClose;
        case 10: return caption_part::kMdiMinimize;
        case 11: return caption_part::kMdiRestore;
        case 12: return caption_part::kMdiHelp;
        default: return caption_part::kHelp;
    }
}

int CaptionButtonState(const CaptionButtonFacts& facts) {
    constexpr int kNormal = 1;
    constexpr int kHot = 2;
    constexpr int kPressed = 3;
    constexpr int kDisabled = 4;
    constexpr int kFocused = 5;
    if (facts.disabled) return kDisabled;
    if (facts.pressed) return kPressed;
    if (facts.focused && facts.showFocus) return kFocused;
    if (facts.hot) return kHot;
    return kNormal;
}

int FocusInset(int width, int height) { return std::min(std::min(width + 1, height + 1) / 5, 3); }

PixelPoint CaptionIconOrigin(int width, int height, int iconSize, bool pressed) {
    const int shift = iconSize / 2 - (pressed ? 1 : 0);
    return {width / 2 - shift, height / 2 - shift};
}
