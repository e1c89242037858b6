// Typed look-up of an entry point that older systems may lack, for libraries loaded at run time.
#pragma once

#include <windows.h>

// Null when the module is null or does not export the name. The detour through void (*)() is
// the one function-pointer cast compilers accept without a type-mismatch warning.
template <typename Function>
Function ProcAddress(HMODULE module, const char* name) {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}
