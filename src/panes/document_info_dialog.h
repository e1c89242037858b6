// "Document Information": the file system facts of one document.
#pragma once

#include <windows.h>

#include <string>

#include "ui/dialog_base.h"

//   CDialogDocumentInfo dialog;
//   if (dialog.SetPath(path)) dialog.DoModal(owner);
//
// DoModal returns IDCANCEL; at once, without showing anything, when the path names a folder or
// no longer exists.
class CDialogDocumentInfo : public DialogBase {
public:
    CDialogDocumentInfo();

    // False, changing nothing, once the window exists or for an empty path.
    bool SetPath(std::string path);

protected:
    bool OnInitDialog() override;
    // Nothing to confirm: however it closes, the result is Cancel.
    void OnOK() override { End(IDCANCEL); }

private:
    void ShowFacts(const WIN32_FILE_ATTRIBUTE_DATA& facts);

    std::string path_;
};
