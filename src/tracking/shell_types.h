// The shell's icon and type name for each document type, asked once per extension: the shell
// answers by extension alone, so a history of a million lines asks it a few dozen times.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <unordered_map>

#include "framework/win_handles.h"

class ShellTypes {
public:
    // `images` receives one small icon per type, appended on first use (not owned).
    explicit ShellTypes(HIMAGELIST images) : images_(images) {}

    struct Type {
        std::string name;  // "Text Document"
        int image = -1;    // index in the image list, -1 without an icon
    };

    // The type of an extension given without dots ("" for documents without one).
    const Type& ForExtension(const std::string& extension);

    // Forgets every type (the image list was emptied).
    void Clear() { types_.clear(); }

private:
    HIMAGELIST images_;
    std::unordered_map<std::string, Type> types_;
};
