// Saving and restoring the main window's placement under the branch's "MainWindow" subkey.
#pragma once

#include <windows.h>

#include "settings/placement_rules.h"
#include "settings/settings_store.h"

// Writes State, and while the window is in its normal state also Left, Top, Width and Height,
// so closing a maximised or minimised window keeps its last normal rectangle. False when the
// window or the branch is missing.
bool SaveWindowPlacement(HWND window, const SettingsStore& store = {});

// Moves and sizes the window to the stored rectangle (the default one for missing values, or
// when the stored one is damaged or lies on no monitor) at the top of the z-order, not shown.
// Unless it starts hidden, then shows it in the stored state (default `defaultState`) and
// updates it.
void RestoreWindowPlacement(HWND window, const RECT& defaultRect, WindowState defaultState, bool startHidden,
                            const SettingsStore& store = {});

// 360 x 266 dialog units centred in the work area of the primary monitor.
RECT DefaultMainWindowRect();
