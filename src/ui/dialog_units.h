// Dialog units to pixels: n * base-x / 4 across, n * base-y / 8 down, in integer arithmetic.
#pragma once

#include <cstdint>

// `baseUnits` is the packed value of GetDialogBaseUnits: base x in the low word, base y in the
// high word. Kept apart from the system call so the arithmetic can be checked anywhere.
constexpr int DialogUnitsFromBase(int value, bool horizontal, std::uint32_t baseUnits) {
    const int baseX = static_cast<int>(baseUnits & 0xFFFF);
    const int baseY = static_cast<int>((baseUnits >> 16) & 0xFFFF);
    return horizontal ? value * baseX / 4 : value * baseY / 8;
}

// The same with the system's dialog base units (Windows only).
int DialogUnitsToPixels(int value, bool horizontal);

// The same in the units of `dialog`'s own font (MapDialogRect), which places controls exactly as
// its template does at every DPI; the system's units when it is not a dialog.
struct HWND__;
int DialogUnitsToPixels(HWND__* dialog, int value, bool horizontal);
