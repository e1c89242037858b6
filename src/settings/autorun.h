// The autorun entry: a value named after the program in the machine-wide Run key.
#pragma once

#include <windows.h>

#include <string>

struct AutorunEntry {
    std::string valueName;  // the application name
    std::string command;    // the program's full path, quoted when it holds a blank
};

// "Kestrum" and this process's program path.
AutorunEntry ProgramAutorunEntry();

// At start-up: opens (creating it when missing) the Run key, or when that fails the Windows NT
// Run key, and writes (on) or deletes (off) the entry. False when neither key can be opened,
// which is normal for a user without administrative rights, or the change failed.
bool ApplyAutorunAtStartup(const AutorunEntry& entry, bool on);

// From the options: as above, but the keys are only opened for writing, never created. The
// result is ERROR_SUCCESS or the registry error code of the step that failed (opening, writing
// or deleting, closing).
LONG ApplyAutorunFromOptions(const AutorunEntry& entry, bool on);
