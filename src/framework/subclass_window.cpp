// Subclassing through the comctl32 chain, with the object as the subclass's reference data.
#include "framework/subclass_window.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSubclassId = 1;

// Asks a window for the object in its subclass chain. A registered message is unknown to every
// control, which answers 0 through its default procedure. (GetWindowSubclass would do, but
// mingw-w64's import library lacks it.)
UINT ObjectQuery() {
    static const UINT message = ::RegisterWindowMessageA("Kestrum.SubclassObject");
    return message;
}

}  // namespace

CWindowObject* SubclassedObject(HWND control) {
    if (!::IsWindow(control) || ::GetWindowThreadProcessId(control, nullptr) != ::GetCurrentThreadId()) return nullptr;
    return reinterpret_cast<CSubclassWindow*>(::SendMessageA(control, ObjectQuery(), 0, 0));
}

CSubclassWindow::~CSubclassWindow() { Unsubclass(); }

bool CSubclassWindow::Subclass(HWND window) {
    if (hwnd() != nullptr || !::IsWindow(window)) return false;
    if (!::SetWindowSubclass(window, &Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
    Attach(window);
    return true;
}

void CSubclassWindow::Unsubclass() {
    const HWND window = hwnd();
    if (window == nullptr) return;
    ::RemoveWindowSubclass(window, &Procedure, kSubclassId);
    Abandon();
}

LRESULT CSubclassWindow::DefaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefSubclassProc(hwnd(), message, wParam, lParam);
}

LRESULT CALLBACK CSubclassWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR object) {
    auto* self = reinterpret_cast<CSubclassWindow*>(object);
    if (message == ObjectQuery()) return static_cast<LRESULT>(object);
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(window, &Procedure, kSubclassId);
        self->Detach();
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (self->Dispatch(message, wParam, lParam, result)) return result;
    return ::DefSubclassProc(window, message, wParam, lParam);
}
