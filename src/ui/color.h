// Colour values in the system's layout and the lighten/darken arithmetic every painted surface uses.
#pragma once

#include <cstdint>

// Red in bits 0-7, green in 8-15, blue in 16-23 (the COLORREF layout); bits 24-31 zero.
using Color = std::uint32_t;

constexpr Color MakeColor(int red, int green, int blue) {
    return static_cast<Color>(red & 0xFF) | (static_cast<Color>(green & 0xFF) << 8) |
           (static_cast<Color>(blue & 0xFF) << 16);
}
constexpr int RedOf(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlack = 0x000000;

// The two fixed colours of the Original scheme.
constexpr Color kPaperColor = kWhite;
constexpr Color kAccentColor = 0xB500FF;  // red 255, green 0, blue 181

// Each channel moves the fraction f of the way to white; f outside (0, 1] leaves c as it is.
Color Lighten(Color c, double f);
// Each channel moves the fraction f of the way to black; f outside (0, 1] leaves c as it is.
Color Darken(Color c, double f);
// Lighten for f > 0, Darken by -f for f < 0; white beyond +1, black beyond -1.
Color Shade(Color c, double f);
