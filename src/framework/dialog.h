// Base of the program's dialogs from templates: modal and modeless through one dialog procedure.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/window_object.h"

// A dialog takes its inputs before it runs (a plain struct given to the constructor), pushes
// them into the controls in OnInitDialog and pulls them back in OnOK before ending. The same
// object works modal (DoModal) and modeless (Create), so tests drive any dialog modelessly.
//
//   CDialogRename dialog(RenameValues{.name = current});
//   if (dialog.DoModal(owner) == IDOK) Store(dialog.values());
//
// Its Map() lists commands (route::Command<IDC_BROWSE, ...>), control notifications
// (route::Control<EN_CHANGE, IDC_NAME, ...>) and WM_NOTIFY codes as a window's does.
class CDialog : public CWindowObject {
public:
    // Destroys a modeless dialog that is still open, detached first (see CWindow).
    ~CDialog() override;

    // Runs the dialog modally: the owner's top-level window is disabled meanwhile and every
    // message passes PreTranslateQueuedMessage. Returns the result given to End; IDCANCEL when
    // WM_QUIT arrived or the window was destroyed without End (WM_QUIT is posted again); -1
    // when the template cannot be loaded.
    INT_PTR DoModal(HWND owner);
    // Creates the dialog modeless: a popup owned by `parent`, or a pane when the template has
    // the WS_CHILD style. It is shown only when the template says WS_VISIBLE.
    bool Create(HWND parent);

    // Ends a modal dialog's loop, or destroys a modeless dialog, with this result.
    void End(INT_PTR result);
    // The result End was given; -1 while the dialog has not ended.
    INT_PTR Result() const { return result_; }
    bool IsModal() const { return modal_; }

    HWND Item(int id) const { return ::GetDlgItem(hwnd(), id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, std::string_view text);
    bool IsChecked(int id) const { return ::IsDlgButtonChecked(hwnd(), id) == BST_CHECKED; }
    void SetChecked(int id, bool checked);

protected:
    // `resources` is the module holding the template; null means the program itself.
    explicit CDialog(UINT templateId, HINSTANCE resources = nullptr);

    // True lets the system give the focus to the first control.
    virtual bool OnInitDialog() { return true; }
    // IDOK and IDCANCEL when no command handler lists them. Override OnOK to pull the values
    // out of the controls and to keep the dialog open (do not call End) when they are invalid.
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }

    bool ExecuteCommand(unsigned id) override;

    UINT TemplateId() const { return templateId_; }
    HINSTANCE Resources() const { return resources_; }

    // The shared body of the dialog procedures: `initializing` is the object at WM_INITDIALOG.
    static INT_PTR HandleDialogMessage(CDialog* initializing, HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam);

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR InitDialog();
    void RunModalLoop();

    UINT templateId_;
    HINSTANCE resources_;
    bool modal_ = false;
    bool ended_ = false;
    INT_PTR result_ = -1;
};
