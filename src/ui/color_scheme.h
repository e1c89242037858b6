// ColorScheme: paints the owner-drawn surface elements (menus, tool bar, panes, popup) in the
// Classic, Modern or Original interface colours.
#pragma once

#include <windows.h>

#include "ui/scheme_tables.h"
#include "ui/theme_api.h"

class ColorScheme : public ThemeApi {
public:
    // COLOR_BTNFACE without themes or for Classic; otherwise the scheme's pale background.
    COLORREF SchemeBackground(int scheme) const;

    // Paints element `kind` (see element::) over `rect`. False, drawing nothing, for a missing
    // DC or rectangle or a kind no table knows. Without themes every scheme paints as Classic.
    bool DrawElement(HDC dc, const RECT* rect, int kind, int scheme) const;

private:
    SchemeColors ColorsFor(SchemeTable table) const;
};
