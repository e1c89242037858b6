// The note that explains the tray icon when the main window goes hidden (template 143).
#pragma once

#include <windows.h>

#include "ui/dialog_base.h"

// Its one button carries the cancel ID: the button, Escape and the close box all store the
// "Do not show this message again" box. When the user already ticked it, the note ends at once
// and stores nothing.
class CDialogNote : public DialogBase {
public:
    CDialogNote();

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    void CentrePicture();
};

// Shows the note modally unless `HideMessage` is on.
void ShowTrayNote(HWND owner);
