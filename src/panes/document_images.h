// The icons of the document list's rows and the type tabs: one image list for both, one image
// per document type, kept for the whole run (the shell answers for an extension once), at the
// small-icon size of the window's DPI.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "framework/win_handles.h"
#include "panes/shell_types.h"

class DocumentListModel;

class DocumentImages {
public:
    DocumentImages();
    ~DocumentImages();

    // Makes the image list of `size` x `size` icons with the missing-document icon. False when
    // there is no image list.
    bool Create(int size);
    HIMAGELIST List() const { return images_.get(); }
    int IconSize() const { return size_; }
    // Draws every image again at `size` (after a DPI change) in the same list, so that the
    // controls showing it keep it and every index stays. False when an icon did not copy.
    bool Resize(int size);

    // The shell's name and image of a type, by its extension without dots.
    const ShellTypes::Type& ForExtension(const std::string& extension);
    // A row's image: its type's, or the missing-document icon when the file is gone.
    int ForRow(DocumentListModel& model, size_t row);

private:
    bool AddMissingImage();

    UniqueImageList images_;
    int size_ = 0;
    std::unique_ptr<ShellTypes> types_;
    int missingImage_ = -1;
};
