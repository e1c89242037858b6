// The dialog procedure, the modal loop and the object pointer in DWLP_USER.
#include "framework/dialog.h"

#include "framework/window_text.h"

namespace {

// Messages whose dialog-procedure answer is the result itself, not TRUE with DWLP_MSGRESULT.
bool AnswersDirectly(UINT message) {
    switch (message) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
        case WM_INITDIALOG:
            return true;
        default:
            return false;
    }
}

}  // namespace

CDialog::CDialog(UINT templateId, HINSTANCE resources)
    : templateId_(templateId), resources_(resources != nullptr ? resources : ::GetModuleHandleA(nullptr)) {}

CDialog::~CDialog() {
    const HWND window = hwnd();
    if (window == nullptr) return;
    ::SetWindowLongPtrA(window, DWLP_USER, 0);
    Abandon();
    ::DestroyWindow(window);
}

INT_PTR CDialog::DoModal(HWND owner) {
    if (hwnd() != nullptr) return -1;
    const HWND ownerRoot = owner != nullptr ? ::GetAncestor(owner, GA_ROOT) : nullptr;
    modal_ = true;
    ended_ = false;
    result_ = -1;
    const HWND dialog = ::CreateDialogParamA(resources_, MAKEINTRESOURCEA(templateId_), ownerRoot, &Procedure,
                                             reinterpret_cast<LPARAM>(this));
    if (dialog == nullptr) {
        modal_ = false;
        return -1;
    }

    const bool disableOwner = ownerRoot != nullptr && ::IsWindowEnabled(ownerRoot);
    if (disableOwner) ::EnableWindow(ownerRoot, FALSE);
    // A dialog that ends in OnInitDialog is never shown.
    if (!ended_) {
        ::ShowWindow(dialog, SW_SHOW);
        RunModalLoop();
    }
    if (!ended_) result_ = IDCANCEL;
    // The owner is enabled before the dialog goes, so that the activation returns to it.
    if (disableOwner) ::EnableWindow(ownerRoot, TRUE);
    if (hwnd() != nullptr) ::DestroyWindow(hwnd());
    modal_ = false;
    return result_;
}

void CDialog::RunModalLoop() {
    MSG message;
    while (!ended_ && hwnd() != nullptr) {
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got == -1) return;
        if (!PreTranslateQueuedMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
}

bool CDialog::Create(HWND parent) {
    if (hwnd() != nullptr) return false;
    modal_ = false;
    ended_ = false;
    result_ = -1;
    ::CreateDialogParamA(resources_, MAKEINTRESOURCEA(templateId_), parent, &Procedure,
                         reinterpret_cast<LPARAM>(this));
    return hwnd() != nullptr;
}

void CDialog::End(INT_PTR result) {
    result_ = result;
    ended_ = true;
    if (hwnd() == nullptr) return;
    if (modal_) {
        // Wakes the modal loop should End come from outside a dispatched message.
        ::PostMessageA(hwnd(), WM_NULL, 0, 0);
    } else {
        ::DestroyWindow(hwnd());
    }
}

std::string CDialog::ItemText(int id) const {
    return WindowText(Item(id));
}

void CDialog::SetItemText(int id, std::string_view text) { ::SetDlgItemTextA(hwnd(), id, std::string(text).c_str()); }

void CDialog::SetChecked(int id, bool checked) {
    ::CheckDlgButton(hwnd(), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool CDialog::ExecuteCommand(unsigned id) {
    if (HandleCommand(id)) return true;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

INT_PTR CDialog::InitDialog() {
    try {
        return OnInitDialog() ? TRUE : FALSE;
    } catch (...) {
        ReportCurrentException();
        End(-1);
        return FALSE;
    }
}

INT_PTR CALLBACK CDialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* initializing = message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam) : nullptr;
    return HandleDialogMessage(initializing, window, message, wParam, lParam);
}

INT_PTR CDialog::HandleDialogMessage(CDialog* initializing, HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
    if (initializing != nullptr) {
        ::SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(initializing));
        initializing->Attach(window);
        AddDialogWindow(window);
        return initializing->InitDialog();
    }
    // Messages before WM_INITDIALOG (WM_SETFONT) and after WM_NCDESTROY find no object.
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) return FALSE;

    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, DWLP_USER, 0);
            self->Detach();
        return FALSE;
    }

    LRESULT result = 0;
    if (!self->Dispatch(message, wParam, lParam, result)) return FALSE;
    if (AnswersDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}
