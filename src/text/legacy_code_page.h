// History lines written before Kestrum used UTF-8 hold paths in the system's legacy code page.
#pragma once

#include <string>
#include <string_view>

// The system's legacy ANSI code page (1252 on a Western system), whatever code page this
// process runs with.
unsigned LegacyAnsiCodePage();

// Converts text in that code page to UTF-8.
std::string DecodeLegacyAnsi(std::string_view bytes);
