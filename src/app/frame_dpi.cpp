// The main window at the display's scale: its icons at the sizes the DPI asks for, and the
// move to a display of another DPI (new size, icons, tool bar, rows and menus).
#include "app/frame_application.h"

#include <commctrl.h>

#include "framework/display_dpi.h"
#include "resource.h"

namespace {

HICON LoadProgramIcon(int size) {
    // LoadImage scales the frame nearest the size, and only that one.
    return static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, 0));
}

}  // namespace

void CFrameApplication::LoadFrameIcons(int dpi) {
    icon_.reset(LoadProgramIcon(SystemMetricForDpi(SM_CXSMICON, dpi)));
    bigIcon_.reset(LoadProgramIcon(SystemMetricForDpi(SM_CXICON, dpi)));
    ::SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    ::SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
}

LRESULT CFrameApplication::OnDpiChanged(const RawMessageArgs<WM_DPICHANGED>& args) {
    const int dpi = UsableDpi(HIWORD(args.wParam));
    // The suggested rectangle keeps the window's size in physical terms on the new display.
    if (const auto* suggested = reinterpret_cast<const RECT*>(args.lParam)) {
        ::SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                       suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The shell holds the tray icon by handle: it is given the new one before the old one goes.
    UniqueIcon oldIcon = std::move(icon_);
    UniqueIcon oldBigIcon = std::move(bigIcon_);
    LoadFrameIcons(dpi);
    if (tray_.IsAdded()) {
        tray_.Remove();
        AddTrayIcon();
    }
    files_.ApplyDpi(dpi);
    // Widths in pixels that the user may have set keep their physical size.
    filterPaneWidth_ = RescaleDpi(filterPaneWidth_, dpi_, dpi);
    if (CFilesListCtrl* list = files_.ListControl()) {
        const auto columns = static_cast<int>(::SendMessageA(ListView_GetHeader(list->hwnd()), HDM_GETITEMCOUNT, 0, 0));
        for (int column = 0; column < columns; ++column) {
            ListView_SetColumnWidth(list->hwnd(), column, RescaleDpi(list->ColumnWidth(column), dpi_, dpi));
        }
    }
    dpi_ = dpi;
    CreateToolBar(Stored(Setting::ViewLarge));
    // Menus measure their items once, when first shown: made anew, they measure at this DPI.
    ApplyLanguage(false);
    if (RecentPopup* popup = Popup()) popup->ApplyDpi(dpi);
    LayoutPanes();
    return 0;
}
