// The file system's answers for the file status cache.
#pragma once

#include <optional>
#include <string>

#include "tracking/file_status.h"

// Existence, size and times in one call, without a directory search.
std::optional<FileStatus> StatFile(const std::string& path);

// Whether a drive or share root answers within `timeoutMs`. Local fixed drives answer at
// once; network drives and shares are asked on a worker thread, which is left to finish on
// its own when the answer is late.
bool RootAnswersWithin(const std::string& root, unsigned timeoutMs);

// The cache with those answers, a steady clock and the given period.
FileStatusCache MakeSystemFileStatusCache(uint64_t maxAgeMs);
