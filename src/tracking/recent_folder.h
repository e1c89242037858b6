// The shell's per-user Recent folder, where it keeps a shortcut to each opened document.
#pragma once

#include <string>

// The folder with a trailing backslash, or empty when the shell cannot name it.
std::string RecentFolderPath();
