// The module file name of the running program, in UTF-8.
#include "framework/program_path.h"

#include <windows.h>

#include <vector>

std::string ProgramPath() {
    std::vector<char> path(32768);
    const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return length && length < path.size() ? std::string(path.data(), length) : std::string();
}
