// DialogUnitsToPixels with the system's dialog base units.
#include <windows.h>

#include "ui/dialog_units.h"

int DialogUnitsToPixels(int value, bool horizontal) {
    return DialogUnitsFromBase(value, horizontal, static_cast<std::uint32_t>(::GetDialogBaseUnits()));
}

int DialogUnitsToPixels(HWND dialog, int value, bool horizontal) {
    RECT rect{0, 0, value, value};
    if (dialog == nullptr || !::MapDialogRect(dialog, &rect)) return DialogUnitsToPixels(value, horizontal);
    return horizontal ? rect.right : rect.bottom;
}
