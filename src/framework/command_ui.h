// Applies command-state update handlers to the items of a menu and the buttons of a toolbar.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/command_state.h"

using CommandStateQuery = std::function<void(CommandState&)>;

// Every command item of the popup (not separators, not sub-menus) is enabled/greyed and
// checked/unchecked as far as the query decides; what it leaves open stays as it is.
void ApplyCommandStates(HMENU popup, const CommandStateQuery& query);

// The same for the buttons of a toolbar control; buttons change only when their state differs,
// so an idle pass that changes nothing repaints nothing.
void ApplyToolbarCommandStates(HWND toolbar, const CommandStateQuery& query);
