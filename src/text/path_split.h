// Splitting a path into drive, folder, base name and extension, the way the C runtime does.
#pragma once

#include <string>
#include <string_view>

struct PathParts {
    std::string drive;      // "C:" or empty
    std::string folder;     // with its trailing separator, or empty
    std::string baseName;
    std::string extension;  // with its leading ".", or empty
};

// Both "\" and "/" separate folders. The extension starts at the last "." of the last
// component, so ".git" is all extension and "notes." has the extension ".".
PathParts SplitPath(std::string_view path);

// SplitPath(path).extension without copying: a view into `path`.
std::string_view PathExtension(std::string_view path);

// Where the last component (base name and extension) starts: drive and folder lie before it.
size_t BaseNameOffset(std::string_view path);

// The path with its extension replaced: "C:\p\Kestrum.exe" with "dat" gives "C:\p\Kestrum.dat".
std::string ReplaceExtension(std::string_view path, std::string_view extension);
