// The recently-typed lists: one subkey per list, one text value per entry.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// Replaces the subkey `name` of `parent` (deleted with everything in it, then created again)
// with the texts as "Item0", "Item1", ... in list order. True when every entry was stored.
bool WriteList(HKEY parent, std::string_view name, const std::vector<std::string>& texts);

// Every value of the subkey `name` of `parent` (created when missing) as text, in the
// registry's enumeration order, whatever its name or type. A value too large to read is
// skipped; the values after it still count. False when the subkey cannot be opened.
bool ReadList(HKEY parent, std::string_view name, std::vector<std::string>& texts);
