// The window procedure of our window classes and the object pointer in the extra bytes.
#include "framework/window.h"

namespace {

// Byte offset of the object pointer in the window's extra bytes.
constexpr int kObjectSlot = 0;

HINSTANCE OrProcess(HINSTANCE instance) { return instance != nullptr ? instance : ::GetModuleHandleA(nullptr); }

}  // namespace

bool RegisterWindowClass(const WindowClass& windowClass, HINSTANCE instance) {
    WNDCLASSEXA description{};
    description.cbSize = sizeof description;
    description.style = windowClass.style;
    description.lpfnWndProc = &CWindow::Procedure;
    description.cbWndExtra = sizeof(CWindow*);
    description.hInstance = OrProcess(instance);
    description.hIcon = windowClass.icon;
    description.hIconSm = windowClass.smallIcon;
    description.hCursor = windowClass.cursor;
    description.hbrBackground = windowClass.background;
    description.lpszClassName = windowClass.name;
    if (::RegisterClassExA(&description) != 0) return true;
    return ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

CWindow::~CWindow() {
    const HWND window = hwnd();
    if (window == nullptr) return;
    ::SetWindowLongPtrA(window, kObjectSlot, 0);
    Abandon();
    ::DestroyWindow(window);
}

bool CWindow::Create(const WindowCreation& c) {
    if (hwnd() != nullptr) return false;
    const HWND window = ::CreateWindowExA(c.exStyle, c.className, c.title.c_str(), c.style, c.x, c.y, c.width,
                                          c.height, c.parent, c.menuOrId, OrProcess(c.instance), this);
    if (window == nullptr) return false;
    if (hwnd() != window) {
        // Another procedure served the class: nothing of ours is attached to this window.
        ::DestroyWindow(window);
        return false;
    }
    return true;
}

void CWindow::Destroy() {
    if (IsAlive()) ::DestroyWindow(hwnd());
}

LRESULT CWindow::DefaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(hwnd(), message, wParam, lParam);
}

LRESULT CALLBACK CWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<CWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (created != nullptr) {
            ::SetWindowLongPtrA(window, kObjectSlot, reinterpret_cast<LONG_PTR>(created));
            created->Attach(window);
        }
    }
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after WM_NCDESTROY find no object.
    auto* self = reinterpret_cast<CWindow*>(::GetWindowLongPtrA(window, kObjectSlot));
    if (self == nullptr) return ::DefWindowProcA(window, message, wParam, lParam);

    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, kObjectSlot, 0);
        self->Detach();
        return ::DefWindowProcA(window, message, wParam, lParam);
    }

    LRESULT result = 0;
    if (self->Dispatch(message, wParam, lParam, result)) return result;
    try {
        return self->DefaultProcedure(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
}
