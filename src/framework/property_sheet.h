// Property pages from templates and a property sheet embedded as a child control of a dialog.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/dialog.h"
#include "framework/subclass_window.h"

// A page is a dialog its sheet creates (when first activated) and destroys. Pages never end
// themselves: OK and Cancel belong to the dialog around the sheet, which also decides when the
// pages fill and store their values.
class CPropertyPage : public CDialog {
public:
    // Lets go of the page window without destroying it: it belongs to the sheet.
    ~CPropertyPage() override;

protected:
    explicit CPropertyPage(UINT templateId, HINSTANCE resources = nullptr) : CDialog(templateId, resources) {}
    void OnOK() override {}
    void OnCancel() override {}

private:
    friend class CPropertySheet;
    PROPSHEETPAGEA Description();
    static INT_PTR CALLBACK PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

class CPropertySheet : public CSubclassWindow {
public:
    // Pages are shown in the order they are added, before CreateChild.
    void AddPage(CPropertyPage& page) { pages_.push_back(&page); }

    // Creates the sheet as a visible child control of `parent` (control-parent, tab stop) at
    // the top left of its client area. The sheet's own OK, Cancel, Apply and Help buttons are
    // hidden and disabled and the sheet shrinks to its tab control.
    bool CreateChild(HWND parent);

    bool SetActivePage(int index);
    int ActivePage() const;
    HWND TabControl() const;

protected:
    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageUp and Ctrl+PageDown switch pages, as in a sheet
    // that runs its own dialog loop.
    bool PreTranslateMessage(MSG& message) override;

private:
    static int CALLBACK Callback(HWND sheet, UINT message, LPARAM lParam);
    void HideOwnButtons();

    std::vector<CPropertyPage*> pages_;
};
