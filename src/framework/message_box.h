// Message boxes with the application's name as caption, as every user-visible failure is shown.
#pragma once

#include <windows.h>

#include <string>

// Set once at start-up; the caption of every message box.
void SetApplicationTitle(std::string title);
const std::string& ApplicationTitle();

int ShowMessage(HWND owner, const std::string& text, UINT type);
// OK button and the error icon.
void ShowError(HWND owner, const std::string& text);
// OK and Cancel with the question icon; true for OK.
bool AskOkCancel(HWND owner, const std::string& text);
