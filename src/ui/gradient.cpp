// Gradient bands: the shade factor runs from `from` toward `to`, one step per pixel.
#include "ui/gradient.h"

std::vector<Color> GradientColors(Color base, double from, double to, int count) {
    std::vector<Color> colors;
    if (count <= 0) return colors;
    colors.reserve(static_cast<std::size_t>(count));
    const double step = (to - from) / count;
    // Summed rather than multiplied: rounding then decides on which side of zero or one a row
    // near those points falls, and every painter of a band must agree on it.
    double factor = from;
    for (int i = 0; i < count; ++i) {
        colors.push_back(Shade(base, factor));
        factor += step;
    }
    return colors;
}
