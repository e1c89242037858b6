// The dialog's initial data read from the resources and sent to its controls.
#include "ui/dialog_init.h"

#include "ui/dialog_init_data.h"

bool FillDialogInitialItems(HWND dialog, HINSTANCE module, unsigned templateId) {
    if (!::IsWindow(dialog)) return false;
    if (module == nullptr) module = ::GetModuleHandleA(nullptr);
    const HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(kDialogInitResourceType));
    if (resource == nullptr) return false;
    const HGLOBAL loaded = ::LoadResource(module, resource);
    const auto* bytes = static_cast<const std::uint8_t*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
    if (bytes == nullptr) return false;
    const auto items = ParseDialogInitData({bytes, ::SizeofResource(module, resource)});
    if (!items) return false;

    bool all = true;
    for (const InitialItem& item : *items) {
        const HWND control = ::GetDlgItem(dialog, static_cast<int>(item.control));
        const bool combo = item.list == InitialItemList::ComboBox;
        const LRESULT added = control == nullptr ? -1
            : ::SendMessageA(control, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
        if (added < 0) all = false;  // CB_ERR, CB_ERRSPACE, LB_ERR and LB_ERRSPACE are negative
    }
    return all;
}
