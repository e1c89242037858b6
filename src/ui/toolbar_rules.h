// How a scheme-painted tool bar draws its buttons, free of the window manager: which surface
// element each button state gets, and where the icon, label and separator mark go.
#pragma once

#include "ui/window_rules.h"

// What the control reports about a button when it asks for it to be drawn.
struct ToolBarButtonState {
    bool pressed = false;
    bool hot = false;
    bool checked = false;
    bool disabled = false;  // disabled, greyed or indeterminate
};

// The elements a button is painted with: the bar's background first, then the pressed look, or
// else the hot look for a hot or checked button (-1: neither). A disabled button keeps its
// checked look, so a switched-on but unavailable command still shows as on; its icon is greyed.
struct ToolBarButtonLook {
    int base = 0;
    int overlay = -1;
    bool iconEnabled = true;
    friend bool operator==(const ToolBarButtonLook&, const ToolBarButtonLook&) = default;
};
ToolBarButtonLook LookOfButton(const ToolBarButtonState& state);

// The highlight of a button sits one pixel inside the button's top and bottom edges.
PixelRect ButtonHighlightRect(const PixelRect& button);

// Where the icon and the label of a button go. Without a label the icon is centred (its left
// edge at left + width / 2 - size / 2 + 1, likewise down); with one, the icon stays centred
// across but sits `labelTopGap` pixels below the top and the label fills the rest below it.
struct ToolBarButtonLayout {
    PixelPoint icon;
    PixelRect label;  // empty without a label
};
constexpr int kLabelTopGap = 3;
ToolBarButtonLayout LayoutToolBarButton(const PixelRect& button, int iconSize, bool withLabel);

// The etched mark of a separator: two pixels wide, centred across the separator, from a sixth
// of its height below the top to a sixth above the bottom.
PixelRect SeparatorMark(const PixelRect& separator);
