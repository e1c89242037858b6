// The program's private window messages, in one place so that no two share a value. The values
// are kept from release to release.
#pragma once

#include <windows.h>

// To the main window from its tray icon.
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 5;
// Posted to the main window by the Recent-folder watcher thread, without data, for every change
// notification. Several may collapse into one scan: the scan compares listings, not messages.
constexpr UINT WM_RECENT_CHANGED = WM_USER + 1111;
// Posted to the main window by the file status worker, without data, when answers wait to be
// taken; at most one is on its way until they are taken.
constexpr UINT WM_FILE_STATUSES = WM_USER + 1112;
// To a sortable list's parent, both parameters 0, after a sort column or direction was set.
constexpr UINT kSortChangedMessage = WM_USER + 2222;
// To the main window: wParam the help topic's file name ("opt.htm"), a zero-terminated text;
// lParam 0, or the MSG a dialog is pre-translating. The frame answers 1 when it opened a page
// (or took the message).
constexpr UINT WM_SHOW_HELP_TOPIC = WM_USER + 4445;
