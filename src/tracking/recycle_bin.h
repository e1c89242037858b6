// Sending one document to the Recycle Bin through the shell's file operation.
#pragma once

#include <windows.h>

#include <string>

enum class RecycleResult {
    Recycled,  // the document is gone from its folder
    Declined,  // the user said no when the shell warned that it would delete it for good
    Failed,    // not a regular file, a path that cannot be passed whole, or the shell failed
};

// Only regular files are sent: a folder named like a document would take its whole tree with it.
// The path goes to the shell whole (never cut) or not at all. Where the Recycle Bin cannot take
// the file (no bin on that drive, too large), the shell asks before deleting it for good, owned
// by `owner`.
RecycleResult SendToRecycleBin(HWND owner, const std::string& path);
