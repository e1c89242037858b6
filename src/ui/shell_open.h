// Opening a document, folder or address with the shell's "open" verb.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Opens `target` (no parameters, shown normally) on behalf of `owner`; true when the shell
// accepted it.
bool ShellOpen(HWND owner, const std::string& target);

// Who carries out a request to open something: ShellOpen, or a stand-in that records it.
using ShellOpener = std::function<bool(HWND owner, const std::string& target)>;
