// Reading the stored target path of a shell link (.lnk) file.
#pragma once

#include <string>

// Loads the shortcut and reads its stored path as it is: environment variables unexpanded,
// no search for a moved target. `target` is empty on failure. COM must be initialised.
// True when every shell call succeeded.
bool ResolveShortcut(const std::string& shortcutPath, std::string& target);
