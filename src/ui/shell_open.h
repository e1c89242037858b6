// Asking the shell to run a verb ("open", "print") on a document, folder or address.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Runs `verb` on `target` (no parameters, no working folder, shown normally) on behalf of
// `owner`, which may be null; true when the shell accepted it.
bool ShellRunVerb(HWND owner, const char* verb, const std::string& target);

// ShellRunVerb with "open".
bool ShellOpen(HWND owner, const std::string& target);

// Who carries out a request to open something: ShellOpen, or a stand-in that records it.
using ShellOpener = std::function<bool(HWND owner, const std::string& target)>;
