// Small operations on windows that several parts share: class tests, window facts,
// translucency, the running-copy search, context menus and list-box lookups.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/window_rules.h"

bool IsLiveWindow(HWND window);
// True when a non-empty class name was read; `out` is emptied first.
bool ClassNameOf(HWND window, std::string& out);
// True for a live window whose class name equals `className`, ignoring case.
bool HasClassName(HWND window, std::string_view className);

bool IsButton(HWND window);      // "Button"
bool IsStatic(HWND window);      // "Static"
bool IsListView(HWND window);    // "SysListView32"
bool IsComboBox(HWND window);    // "ComboBox"
bool IsListBox(HWND window);     // "ListBox"
bool IsTabControl(HWND window);  // "SysTabControl32"
bool IsUpDown(HWND window);      // "msctls_updown32"

// Size of the window rectangle in pixels; 0 for a dead window.
int WindowWidth(HWND window);
int WindowHeight(HWND window);

// True on systems whose major version is above 4, the ones with layered windows and
// AnimateWindow.
bool NewerSystem();

// Makes the window layered and sets its colour key and alpha; `mode` chooses the flags (see
// LayeredFlagsForMode). The result of SetLayeredWindowAttributes, or FALSE when the window is
// dead or the system lacks the entry point.
BOOL SetTranslucency(HWND window, COLORREF colorKey, BYTE alpha, int mode);

// Stores the marker in the window's user data, where ActivateRunningCopy looks for it.
void SetInstanceMarker(HWND window, std::intptr_t marker);
// Shows normally, updates and brings to the front every top-level window that carries the
// marker; true when there was at least one.
bool ActivateRunningCopy(std::intptr_t marker);

// Where TrackMenuAt would open the menu for `focus` (see ContextMenuPoint), in screen pixels;
// false when it would open none.
bool ContextMenuPosition(int x, int y, HWND focus, POINT& position);
// Shows `menu` (or its first sub-menu) as a context menu for `focus` at (x, y) in screen
// pixels, or under the focus window for (-1, -1). The result of TrackPopupMenu, or 0 when
// nothing was shown.
BOOL TrackMenuAt(int x, int y, HWND focus, HMENU menu, bool useFirstSubMenu);

// Index of the first item whose item data equals `value`, or -1 (also when `listBox` is not
// a list box).
int FindListBoxItemByData(HWND listBox, LPARAM value);
