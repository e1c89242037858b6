// Menu items and toolbar buttons following their update handlers.
#include "framework/command_ui.h"

#include <commctrl.h>

void ApplyCommandStates(HMENU popup, const CommandStateQuery& query) {
    const int count = ::GetMenuItemCount(popup);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(popup, static_cast<UINT>(position), TRUE, &item)) continue;
        if ((item.fType & MFT_SEPARATOR) != 0 || item.hSubMenu != nullptr) continue;

        CommandState state(item.wID);
        query(state);
        const UINT byPosition = static_cast<UINT>(position);
        if (auto enabled = state.Enabled()) {
            ::EnableMenuItem(popup, byPosition, MF_BYPOSITION | (*enabled ? MF_ENABLED : MF_GRAYED));
        }
        if (auto checked = state.Checked()) {
            ::CheckMenuItem(popup, byPosition, MF_BYPOSITION | (*checked ? MF_CHECKED : MF_UNCHECKED));
        }
    }
}

void ApplyToolbarCommandStates(HWND toolbar, const CommandStateQuery& query) {
    if (!::IsWindow(toolbar)) return;
    const auto count = static_cast<int>(::SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        TBBUTTON button{};
        if (!::SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button))) {
            continue;
        }
        if ((button.fsStyle & BTNS_SEP) != 0) continue;

        CommandState state(static_cast<unsigned>(button.idCommand));
        query(state);
        const auto id = static_cast<WPARAM>(button.idCommand);
        if (auto enabled = state.Enabled(); enabled && *enabled != ((button.fsState & TBSTATE_ENABLED) != 0)) {
            ::SendMessageA(toolbar, TB_ENABLEBUTTON, id, MAKELPARAM(*enabled ? TRUE : FALSE, 0));
        }
        if (auto checked = state.Checked(); checked && *checked != ((button.fsState & TBSTATE_CHECKED) != 0)) {
            ::SendMessageA(toolbar, TB_CHECKBUTTON, id, MAKELPARAM(*checked ? TRUE : FALSE, 0));
        }
    }
}
