// Colour arithmetic: channels move toward white or black and are truncated, never rounded, so
// that every owner-drawn surface gets the same values on every system.
#include "ui/color.h"

namespace {

// The factor check also rejects NaN, which fails every comparison.
bool IsFraction(double f) { return f > 0.0 && f <= 1.0; }

template <typename Channel>
Color MapChannels(Color c, Channel channel) {
    return MakeColor(channel(RedOf(c)), channel(GreenOf(c)), channel(BlueOf(c)));
}

}  // namespace

Color Lighten(Color c, double f) {
    if (!IsFraction(f)) return c & 0xFFFFFF;
    return MapChannels(c, [f](int x) { return static_cast<int>(x + f * (255 - x)); });
}

Color Darken(Color c, double f) {
    if (!IsFraction(f)) return c & 0xFFFFFF;
    return MapChannels(c, [f](int x) { return static_cast<int>(x - f * x); });
}

Color Shade(Color c, double f) {
    if (f > 1.0) return kWhite;
    if (f < -1.0) return kBlack;
    if (f > 0.0) return Lighten(c, f);
    if (f < 0.0) return Darken(c, -f);
    return c;  // zero leaves the colour untouched
}
