// Choosing a folder (optionally only a writable one) or a file with the system dialogs.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// Shows the system folder dialog with `title`, starting at `path` (the current directory when
// empty). True and the chosen folder in `path` on OK; false and an empty `path` on cancel.
// With `writableOnly`, OK is enabled only for folders that take a new file. COM must be
// initialised on the calling thread.
bool BrowseFolder(const std::string& title, std::string& path, bool writableOnly, HWND owner);

// Creates, writes, closes and deletes the probe file "$$xtemp$$.tmp" in `folder`. True when
// creating and writing succeeded and the probe is gone again. A file of that name already
// there is left alone, and the folder counts as not writable.
bool IsFolderWritable(const std::string& folder);

// The save (`save`) or open dialog. `filter` is "description|pattern|..." pairs; an empty
// filter shows nothing. `initialFilterIndex` counts pairs from 1 (anything lower means the
// first). True and the full path in `path` on OK; `path` is emptied first.
bool AskFileName(bool save, std::string& path, std::string_view filter, std::string_view defaultExtension,
                 HWND owner, int initialFilterIndex);
