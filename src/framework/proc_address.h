// Typed lookup of an entry point resolved at run time, for functions older systems lack.
#pragma once

#include <windows.h>

// Null when the module is null or lacks the entry. GetProcAddress gives a generic function
// pointer; going through void(*)() is the conversion compilers accept without a warning.
template <typename Function>
Function ProcAddress(HMODULE module, const char* name) {
    if (!module) return nullptr;
    const FARPROC entry = ::GetProcAddress(module, name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(entry));
}
