// The file system's answers to file-status questions.
#pragma once

#include <optional>
#include <string>

#include "tracking/file_status.h"
#include "tracking/folder_status_check.h"

// Existence, size and times in one call, without a directory search.
std::optional<FileStatus> StatFile(const std::string& path);

// Whether a drive or share root answers within `timeoutMs`. Local fixed drives answer at
// once; network drives and shares are asked on a worker thread, which is left to finish on
// its own when the answer is late.
bool RootAnswersWithin(const std::string& root, unsigned timeoutMs);

// Every entry of a folder with its status, under its long and its short name.
std::optional<FolderServices::Listing> ListFolder(const std::string& folder);

// The services above, with a steady clock.
FolderServices SystemFolderServices();
