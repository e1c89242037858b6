// The colours of a gradient band, one per pixel row or column, computed apart from drawing.
#pragma once

#include <vector>

#include "ui/color.h"

// Colour i (i = 0 ... count - 1) is Shade(base, from + i * step) with step = (to - from) / count,
// the running value summed in double precision one step at a time as the painter does. Index 0
// is the band's start edge (the bottom row of a vertical band, the left column of a horizontal
// one), so the far edge gets from + (count - 1) * step, not `to`. Empty for count <= 0.
std::vector<Color> GradientColors(Color base, double from, double to, int count);
