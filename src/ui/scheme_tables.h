// The three interface colour schemes as data: what each surface element is painted with, given
// the system and theme colours of the moment.
#pragma once

#include <array>
#include <optional>

#include "ui/color.h"

// Scheme numbers, as stored in the settings.
constexpr int kSchemeClassic = 0;
constexpr int kSchemeModern = 1;
constexpr int kSchemeOriginal = 2;

// Surface elements (the numbers are part of the drawing interface; 5 is unused).
namespace element {
constexpr int kMenuBackground = 0;        // popup item, right of the icon column
constexpr int kMenuHighlight = 1;         // selected and enabled, or hot
constexpr int kMenuCheckBox = 2;          // check box of a checked item, not selected
constexpr int kMenuCheckBoxSelected = 3;  // check box of a checked item, selected
constexpr int kMenuIconColumn = 4;        // strip at the left of each popup item
constexpr int kMenuBarItem = 6;           // menu-bar item, not highlighted
constexpr int kMenuSeparator = 7;         // separator line
constexpr int kToolBarBackground = 8;     // tool bar, button base, popup window
constexpr int kToolBarHot = 9;            // hot or checked button
constexpr int kToolBarPressed = 10;       // pressed button
constexpr int kToolBarSeparator = 11;     // separator between button groups
}  // namespace element

enum class SchemeTable { Classic, Modern, Original };

// Without visual styles every scheme paints as Classic.
SchemeTable TableForScheme(int scheme, bool themed);

// The colours a scheme is computed from. The two theme colours are needed by Modern only.
struct SchemeColors {
    Color highlight = 0;    // COLOR_HIGHLIGHT
    Color buttonFace = 0;   // COLOR_BTNFACE
    Color menu = 0;         // COLOR_MENU
    Color themeHot = 0;     // theme colour 0: accent hint of a hot push button
    Color themeDefault = 0; // theme colour 1: accent hint of a default push button
};

enum class PaintOp {
    Fill,                // solid fill with `color`
    VerticalGradient,    // Shade(color, from -> to), bottom row first
    HorizontalGradient,  // Shade(color, from -> to), left column first
    Frame,               // one-pixel frame in `color`
    Etched,              // 3-D frame: `color` top and left, `second` bottom and right
};

struct PaintStep {
    PaintOp op = PaintOp::Fill;
    Color color = 0;
    double from = 0.0;
    double to = 0.0;
    Color second = 0;
    bool operator==(const PaintStep&) const = default;
};

// At most two steps, painted in order over the element's rectangle.
struct ElementPaint {
    std::array<PaintStep, 2> steps{};
    int count = 0;
};

// Nothing for an element kind that no table knows.
std::optional<ElementPaint> PaintForElement(int kind, SchemeTable table, const SchemeColors& colors);

// The background of menus and panes: the button face for Classic (and without visual styles),
// a pale theme colour for Modern, a pale accent for Original.
Color SchemeBackgroundColor(int scheme, bool themed, const SchemeColors& colors);
