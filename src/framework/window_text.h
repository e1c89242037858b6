// A window's text and class name as strings, for the code and the tests alike.
#pragma once

#include <windows.h>

#include <string>

// The whole text of the window (of any length); empty for a dead window.
std::string WindowText(HWND window);
// The window's class name; empty for a dead window.
std::string WindowClassName(HWND window);
