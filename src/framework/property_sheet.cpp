// Pages through the shared dialog procedure; the sheet turned into a child control at creation.
#include "framework/property_sheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstring>

namespace {

// The Apply button of a property sheet; commctrl.h has no name for it.
constexpr int kApplyButton = 0x3021;

void ReadDword(const void* at, DWORD& value) { std::memcpy(&value, at, sizeof value); }
void WriteDword(void* at, DWORD value) { std::memcpy(at, &value, sizeof value); }

// The sheet's dialog template, before creation: a top-level dialog becomes a child control.
void MakeChildTemplate(void* dialogTemplate) {
    auto* bytes = static_cast<unsigned char*>(dialogTemplate);
    WORD signature = 0;
    std::memcpy(&signature, bytes + sizeof(WORD), sizeof signature);
    // DLGTEMPLATEEX: version, 0xFFFF, help ID, extended style, style. DLGTEMPLATE: style, extended style.
    const bool extended = signature == 0xFFFF;
    unsigned char* style = extended ? bytes + 12 : bytes;
    unsigned char* exStyle = extended ? bytes + 8 : bytes + 4;

    DWORD value = 0;
    ReadDword(style, value);
    value &= ~static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | DS_CONTEXTHELP);
    WriteDword(style, value | WS_CHILD | WS_VISIBLE | WS_TABSTOP | DS_CONTROL);
    ReadDword(exStyle, value);
    value &= ~static_cast<DWORD>(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CONTEXTHELP);
    WriteDword(exStyle, value | WS_EX_CONTROLPARENT);
}

}  // namespace

CPropertyPage::~CPropertyPage() {
    if (hwnd() == nullptr) return;
    ::SetWindowLongPtrA(hwnd(), DWLP_USER, 0);
    Abandon();
}

PROPSHEETPAGEA CPropertyPage::Description() {
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = Resources();
    page.pszTemplate = MAKEINTRESOURCEA(TemplateId());
    page.pfnDlgProc = &PageProcedure;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

// At WM_INITDIALOG a page gets its PROPSHEETPAGE (the sheet's copy), whose lParam is the object.
INT_PTR CALLBACK CPropertyPage::PageProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* initializing = nullptr;
    if (message == WM_INITDIALOG) {
        initializing = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
    }
    return HandleDialogMessage(initializing, window, message, wParam, lParam);
}

int CALLBACK CPropertySheet::Callback(HWND, UINT message, LPARAM lParam) {
    // The sheet hands over a writable copy of its template.
    if (message == PSCB_PRECREATE && lParam != 0) MakeChildTemplate(reinterpret_cast<void*>(lParam));
    return 0;
}

bool CPropertySheet::CreateChild(HWND parent) {
    if (hwnd() != nullptr || pages_.empty() || !::IsWindow(parent)) return false;
    std::vector<PROPSHEETPAGEA> descriptions;
    for (CPropertyPage* page : pages_) descriptions.push_back(page->Description());

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
    header.hwndParent = parent;
    header.hInstance = ::GetModuleHandleA(nullptr);
    header.nPages = static_cast<UINT>(descriptions.size());
    header.ppsp = descriptions.data();
    header.pfnCallback = &Callback;
    const INT_PTR created = ::PropertySheetA(&header);
    const HWND sheet = created == -1 ? nullptr : reinterpret_cast<HWND>(created);
    if (sheet == nullptr || !::IsWindow(sheet)) return false;
    if (!Subclass(sheet)) {
        ::DestroyWindow(sheet);
        return false;
    }
    HideOwnButtons();
    return true;
}

void CPropertySheet::HideOwnButtons() {
    for (int id : {IDOK, IDCANCEL, IDHELP, kApplyButton}) {
        if (const HWND button = ::GetDlgItem(hwnd(), id)) {
            ::ShowWindow(button, SW_HIDE);
            ::EnableWindow(button, FALSE);
        }
    }
    RECT tab{};
    if (!::GetWindowRect(TabControl(), &tab)) return;
    ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&tab), 2);
    RECT window{};
    RECT client{};
    ::GetWindowRect(hwnd(), &window);
    ::GetClientRect(hwnd(), &client);
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    // The same margin below the tab control as to its left.
    const int height = tab.bottom + tab.left + frameHeight;
    ::SetWindowPos(hwnd(), nullptr, 0, 0, window.right - window.left, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CPropertySheet::SetActivePage(int index) {
    if (!IsAlive() || index < 0 || index >= static_cast<int>(pages_.size())) return false;
    return ::SendMessageA(hwnd(), PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != 0;
}

int CPropertySheet::ActivePage() const {
    if (!IsAlive()) return -1;
    return TabCtrl_GetCurSel(TabControl());
}

HWND CPropertySheet::TabControl() const {
    return IsAlive() ? reinterpret_cast<HWND>(::SendMessageA(hwnd(), PSM_GETTABCONTROL, 0, 0)) : nullptr;
}

bool CPropertySheet::PreTranslateMessage(MSG& message) {
    if (message.message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0) return false;
    if (message.wParam != VK_TAB && message.wParam != VK_PRIOR && message.wParam != VK_NEXT) return false;
    return ::SendMessageA(hwnd(), PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&message)) != 0;
}
