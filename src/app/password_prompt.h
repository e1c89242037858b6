// Asking for the password before something it guards: start-up, showing the main window,
// opening the tray menu.
#pragma once

#include <windows.h>

// True when the user may go on: no password is stored, or the prompt ended with OK after the
// right password. Cancel, a prompt that cannot open, and a prompt already open all give false.
bool AskPassword(HWND owner);

// True while a prompt is open: tray clicks and hot keys are then ignored, so prompts never stack.
bool IsPasswordPromptOpen();
