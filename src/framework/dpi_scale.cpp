// Scaling lengths between DPIs with the window manager's rounding, and picking icon frames.
#include "framework/dpi_scale.h"

#include <algorithm>
#include <cstdint>

namespace {
// Far beyond any display (2000 %), and small enough that lengths times DPI fit in 64 bits.
constexpr int kHighestDpi = 1920;

// a * b / c rounded half away from zero, in 64 bits so that no product overflows.
int MulDivRounded(int a, int b, int c) {
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = c / 2;
    const std::int64_t result = product >= 0 ? (product + half) / c : (product - half) / c;
    return static_cast<int>(std::clamp<std::int64_t>(result, INT32_MIN, INT32_MAX));
}
}  // namespace

int UsableDpi(int dpi) { return dpi > 0 && dpi <= kHighestDpi ? dpi : kDesignDpi; }

int ScaleToDpi(int length, int dpi) { return MulDivRounded(length, UsableDpi(dpi), kDesignDpi); }

int RescaleDpi(int length, int fromDpi, int toDpi) {
    return MulDivRounded(length, UsableDpi(toDpi), UsableDpi(fromDpi));
}

int IconSizeToLoad(int wanted, std::span<const int> drawn) {
    int notBelow = 0;
    int largest = 0;
    for (const int size : drawn) {
        largest = std::max(largest, size);
        if (size >= wanted && (notBelow == 0 || size < notBelow)) notBelow = size;
    }
    if (notBelow != 0) return notBelow;
    return largest != 0 ? largest : wanted;
}
