// ShellExecuteA reports success as a value above 32.
#include "ui/shell_open.h"

#include <shellapi.h>

bool ShellRunVerb(HWND owner, const char* verb, const std::string& target) {
    if (target.empty()) return false;
    const HINSTANCE result = ::ShellExecuteA(owner, verb, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool ShellOpen(HWND owner, const std::string& target) { return ShellRunVerb(owner, "open", target); }
