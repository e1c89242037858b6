// The drawing rules of the caption-style push button: theme part, state, focus inset, icon place.
#pragma once

#include "ui/window_rules.h"

// Parts of the theme class "WINDOW" that a caption button can imitate.
namespace caption_part {
inline constexpr int kClose = 18;
inline constexpr int kSmallClose = 19;
inline constexpr int kMinimize = 15;
inline constexpr int kRestore = 21;
inline constexpr int kMaximize = 17;
inline constexpr int kMdiClose = 20;
inline constexpr int kMdiMinimize = 16;
inline constexpr int kMdiRestore = 22;
inline constexpr int kMdiHelp = 24;
inline constexpr int kHelp = 23;
}  // namespace caption_part

// The theme part for a caption part number (0 close, 1 small close, 2 minimise, 3 restore,
// 5 maximise, 9-12 the document-window buttons); every other number is the help button.
int CaptionThemePart(int captionPart);

// What the owner-draw request says about the button, plus the pointer and focus settings.
struct CaptionButtonFacts {
    bool disabled = false;  // greyed or disabled
    bool pressed = false;
    bool focused = false;
    bool showFocus = false;
    bool hot = false;
};

// Theme state: 4 disabled, 3 pressed, 5 focused (when focus is shown), 2 hot, 1 normal; the first
// that applies wins.
int CaptionButtonState(const CaptionButtonFacts& facts);

// How far the focus rectangle sits inside the button: a fifth of the smaller side (plus one),
// never more than 3 pixels.
int FocusInset(int width, int height);

// Where the icon (16 pixels at 96 dpi) goes without themes: centred, one pixel down and right
// when pressed.
PixelPoint CaptionIconOrigin(int width, int height, int iconSize, bool pressed);
