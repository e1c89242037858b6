// DialogUnitsToPixels with the system's dialog base units.
#include <windows.h>

#include "ui/dialog_units.h"

int DialogUnitsToPixels(int value, bool horizontal) {
    return DialogUnitsFromBase(value, horizontal, static_cast<std::uint32_t>(::GetDialogBaseUnits()));
}
