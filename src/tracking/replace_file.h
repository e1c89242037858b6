// Replacing a file's whole content without ever leaving it half written.
#pragma once

#include <string_view>

// Writes `content` to a new file in the target's folder and then moves it over the target in
// one step. On any failure (no such folder, a full disk, the target a folder or locked) the
// new file is removed, the old target stays as it was and the result is false.
bool ReplaceFileContent(std::string_view path, std::string_view content);
