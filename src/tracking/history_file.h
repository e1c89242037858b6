// The history file beside the program: appended line by line, read whole, rewritten by a purge.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// A UTF-8 path as the file system library takes it, so that any name opens on every system.
std::filesystem::path PathFromUtf8(std::string_view text);

// Turns a path written in the system's legacy 8-bit code page into UTF-8.
using LegacyDecoder = std::function<std::string(std::string_view)>;

struct HistoryRecord {
    int32_t day = 0;   // calendar day of the opening
    std::string path;  // UTF-8
};

// Parses a raw line; a path that is not valid UTF-8 was written in the legacy code page and
// is decoded from it (the line is used as it stands when no decoder is given).
std::optional<HistoryRecord> DecodeHistoryLine(std::string_view rawLine,
                                               const LegacyDecoder& legacy);

class HistoryFile {
public:
    // Places the history beside the program, with the program's base name and the extension
    // "dat", and creates it empty when it is missing (silently: an append creates it later).
    // False when the program path is empty.
    bool Locate(std::string_view programPath);

    const std::string& Path() const { return path_; }

    // Appends one complete line. Should the file end without a line end (edited by hand),
    // one is written first so the new line is never glued onto the last one. False when
    // nothing could be written or the write was incomplete (a full disk, say).
    bool Append(std::string_view line) const;

    // Calls `onLine` for every line in file order, without its line end (LF or CR LF).
    // False when the file cannot be opened or a read fails; lines already handed out stay.
    bool ReadLines(const std::function<void(std::string_view)>& onLine) const;

    // Replaces the whole content. The new text is written beside the file and then put in
    // its place, so a failed write (a full disk) leaves the old history untouched.
    bool Rewrite(std::string_view content) const;

private:
    std::string path_;
};

// True when the path is non-empty and names an existing file or folder.
bool FileExists(std::string_view path);

// Writes the text's bytes to the file, truncating it first or appending at its end.
bool WriteTextFile(std::string_view path, std::string_view text, bool truncate);
