// Saves what the screen shows in a rectangle as a 24-bit BMP file.
#pragma once

#include <windows.h>

#include <string>

// The screen's pixels inside `area` (screen coordinates), so that menus open over the window
// are in the picture too. False when the pixels cannot be read or the file cannot be written.
bool SaveScreenArea(const RECT& area, const std::string& path);
