// Tool-bar button looks and the placement of icons, labels and separator marks.
#include "ui/toolbar_rules.h"

#include <algorithm>

#include "ui/scheme_tables.h"

ToolBarButtonLook LookOfButton(const ToolBarButtonState& state) {
    ToolBarButtonLook look;
    look.base = element::kToolBarBackground;
    if (state.pressed) {
        look.overlay = element::kToolBarPressed;
    } else if (state.hot || state.checked) {
        look.overlay = element::kToolBarHot;
    }
    look.iconEnabled = !state.disabled;
    return look;
}

PixelRect ButtonHighlightRect(const PixelRect& button) {
    return {button.left, button.top + 1, button.right, button.bottom - 1};
}

ToolBarButtonLayout LayoutToolBarButton(const PixelRect& button, int iconSize, bool withLabel) {
    const int width = button.right - button.left;
    const int height = button.bottom - button.top;
    ToolBarButtonLayout layout;
    layout.icon.x = button.left + width / 2 - iconSize / 2 + 1;
    if (!withLabel) {
        layout.icon.y = button.top + height / 2 - iconSize / 2 + 1;
        layout.label = {button.left, button.bottom, button.left, button.bottom};
        return layout;
    }
    layout.icon.y = button.top + kLabelTopGap;
    const int labelTop = layout.icon.y + iconSize + 1;
    layout.label = {button.left + 1, labelTop, button.right - 1, std::max(labelTop, button.bottom - 1)};
    return layout;
}

PixelRect SeparatorMark(const PixelRect& separator) {
    const int height = separator.bottom - separator.top;
    const int centre = separator.left + (separator.right - separator.left) / 2;
    return {centre - 1, separator.top + height / 6, centre + 1, separator.bottom - height / 6};
}
