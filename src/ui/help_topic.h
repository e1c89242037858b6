// Help requests to the main frame: the private message and the one way dialogs and links send it.
#pragma once

#include <windows.h>

#include <string>

// wParam: the topic's file name ("opt.htm"), a zero-terminated text; lParam: 0, or the MSG a
// dialog is pre-translating. The frame answers 1 when it opened a page (or took the message).
constexpr UINT WM_SHOW_HELP_TOPIC = WM_USER + 4445;

// The application's main frame window while it lives; null otherwise.
HWND MainFrameWindow();

// Sends WM_SHOW_HELP_TOPIC to the main frame and returns its answer; 0 without sending for an
// empty topic or when there is no main frame.
LRESULT SendHelpTopic(const std::string& topic, const MSG* message = nullptr);
