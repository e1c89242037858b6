// Fills a dialog's combo boxes and list boxes from the initial data beside its template.
#pragma once

#include <windows.h>

// Adds every item of the initial data of template `templateId` in `module` (null: the program)
// to its control in `dialog`, in resource order. False when there is no such data, it is
// malformed (then nothing is added), or a control is missing or refuses an item.
bool FillDialogInitialItems(HWND dialog, HINSTANCE module, unsigned templateId);
