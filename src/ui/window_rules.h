// The arithmetic and text rules of the window utilities, kept free of the window manager.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where a context menu opens. (-1, -1), a request from the keyboard, becomes the focus
// window's top-left corner plus (5, 5). A point outside the focus window (right and bottom
// edges excluded) while that window is visible gives no menu at all.
std::optional<PixelPoint> ContextMenuPoint(PixelPoint requested, const PixelRect& focusWindow, bool focusVisible);

// The flags of a layered window's attributes: mode 0 uses the colour key only (1), mode 1 the
// alpha only (2), any other mode both (3).
std::uint32_t LayeredFlagsForMode(int mode);

// The probe file that tells whether a folder takes new files, and its content.
inline constexpr std::string_view kWritableTestFileName = "$$xtemp$$.tmp";

// `folder` with one trailing backslash removed, then "\" and the probe name; empty for an empty
// folder, which must not turn into the root of the current drive.
std::string WritableTestFilePath(std::string_view folder);

// A file-dialog filter from "description|pattern|..." pairs: trailing "|" removed, exactly one
// appended, every "|" made a zero byte, so the result ends in the double zero the dialog needs
// (with the string's own terminator). Empty when no pair is left.
std::string FileDialogFilter(std::string_view pairs);
