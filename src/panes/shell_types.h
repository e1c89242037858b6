// The shell's icon and type name for each document type, asked once per extension: the shell
// answers by extension alone, so a history of a million lines asks it a few dozen times. Types
// that share the shell's icon share one image: copying an icon costs milliseconds, and many
// types (all unregistered ones) show the same icon.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <unordered_map>

#include "framework/win_handles.h"

class ShellTypes {
public:
    // `images` receives one icon per type, at its own size, appended on first use (not owned).
    explicit ShellTypes(HIMAGELIST images) : images_(images) {}

    struct Type {
        std::string name;  // "Text Document"
        int image = -1;    // index in the image list, -1 without an icon
    };

    // The type of an extension given without dots ("" for documents without one). Spellings
    // that differ in case are asked for apart: the shell's name of an unknown type repeats the
    // extension as written.
    const Type& ForExtension(const std::string& extension);

    // Appends every type's icon again, in image order, after `images` was emptied for a new
    // icon size: the images keep their indices. False when one does not copy.
    bool AddImagesAgain();

private:
    int ImageOf(int systemIndex);
    int CopySystemIcon(int systemIndex);

    HIMAGELIST images_;
    std::unordered_map<std::string, Type> types_;
    std::unordered_map<int, int> imageBySystemIndex_;
};
