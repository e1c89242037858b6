// Help requests to the main frame: the private message and the one way dialogs and links send it.
#pragma once

#include <windows.h>

#include <string>

#include "framework/private_messages.h"

// The application's main frame window while it lives; null otherwise.
HWND MainFrameWindow();

// Sends WM_SHOW_HELP_TOPIC to the main frame and returns its answer; 0 without sending for an
// empty topic or when there is no main frame.
LRESULT SendHelpTopic(const std::string& topic, const MSG* message = nullptr);
