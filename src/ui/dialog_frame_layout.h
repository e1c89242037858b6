// Where the common dialog frame puts its footer band, icons and "Help" link, in pixels.
#pragma once

#include <cstdint>

#include "ui/color.h"
#include "ui/window_rules.h"

struct DialogFrameLayout {
    PixelRect footer;        // the band along the bottom of the client area
    PixelRect footerLine;    // its top row, drawn darker as the band's edge
    PixelPoint largeIcon;    // top-left corner of the header icon (32 pixels at 96 dpi)
    PixelRect smallIcon;     // the help icon (24 pixels at 96 dpi): where it is drawn, clicked and shows the hand
    PixelRect helpLink;      // the "Help" label beside it
};

// The layout for a client rectangle, from the system's dialog base units (as GetDialogBaseUnits
// packs them) and the dialog's DPI, which sizes the icons and the link's box. A client area lower
// than the band gives the band the whole height.
DialogFrameLayout FrameLayout(const PixelRect& client, std::uint32_t baseUnits, int dpi);
inline constexpr int kFrameLargeIconSize = 32;  // at 96 dpi
inline constexpr int kFrameSmallIconSize = 24;

// The band is a vertical gradient of the button face, lightened from 0.2 at the bottom toward
// 0.6 at the top, under one row of the face darkened by 0.07.
inline constexpr double kFooterShadeBottom = 0.2;
inline constexpr double kFooterShadeTop = 0.6;
inline constexpr double kFooterLineDarkening = 0.07;
inline Color FooterLineColor(Color buttonFace) { return Darken(buttonFace, kFooterLineDarkening); }

// The "Help" label's text colour (blue).
inline constexpr Color kHelpLinkColor = 0xFF0000;
