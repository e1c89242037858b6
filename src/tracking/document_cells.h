// The text rules of a document row's cells that need no system formatter.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Name: base name and extension. Folder: drive and folder, ending with a separator, so that
// Folder followed by Name is the full path again.
struct NameAndFolder {
    std::string name;
    std::string folder;
};
NameAndFolder SplitNameAndFolder(std::string_view path);

// Size in kilobytes, truncated, except that a file of 1 to 1023 bytes shows 1 rather than 0.
uint64_t SizeInKilobytes(uint64_t bytes);

// The leading digits of a Size cell as a number; an empty or non-numeric text counts as 0.
uint64_t SizeCellValue(std::string_view text);
