// Display-scale arithmetic, free of the window manager: lengths designed at 96 dots per inch
// brought to a window's DPI, and the choice among the sizes an icon is drawn at.
#pragma once

#include <span>

// The DPI every fixed length of the program is designed at (100 %).
inline constexpr int kDesignDpi = 96;

// A DPI the program can scale to: zero, negative or absurd values (a failed query) mean 96.
int UsableDpi(int dpi);

// `length` (at 96 dpi) at `dpi`, rounded to the nearest pixel, halves away from zero, as the
// window manager scales its own metrics: 16 is 24 at 144 and 20 at 120.
int ScaleToDpi(int length, int dpi);

// `length` measured at `fromDpi` brought to `toDpi` (a column width kept across a DPI change).
int RescaleDpi(int length, int fromDpi, int toDpi);

// The size an icon set should be loaded from to show at `wanted` pixels: the smallest of `drawn`
// not below it (scaled down, never up, so never blurred), or the largest when all are smaller.
// `drawn` need not be sorted; empty: `wanted` itself.
int IconSizeToLoad(int wanted, std::span<const int> drawn);

// The sizes every icon of the program is drawn at (tools/art/make_art.sh).
inline constexpr int kDrawnIconSizes[] = {16, 24, 32, 48};
