// The running program's own full path: its history and language files lie beside it.
#pragma once

#include <string>

// Empty when the system cannot say (never cut short: long paths are read whole).
std::string ProgramPath();
