// Solid fills, frames and the two gradient bands, drawn with GDI.
#pragma once

#include <windows.h>

#include "ui/color.h"

// All of these leave the DC's state as they found it.
void FillSolid(HDC dc, const RECT& rect, Color color);
// A one-pixel 3-D frame: `topLeft` on the top and left edges, `bottomRight` on the others.
void FrameEtched(HDC dc, const RECT& rect, Color topLeft, Color bottomRight);
inline void FrameSolid(HDC dc, const RECT& rect, Color color) { FrameEtched(dc, rect, color, color); }

// Bottom row Shade(base, from), each row above one step further toward `to` (see GradientColors).
// False, drawing nothing, for a missing DC or rectangle or an empty rectangle.
bool VerticalGradient(HDC dc, const RECT* rect, Color base, double from, double to);
// Left column Shade(base, from), each column to the right one step further toward `to`.
bool HorizontalGradient(HDC dc, const RECT* rect, Color base, double from, double to);
