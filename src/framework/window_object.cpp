// Message dispatch shared by windows, dialogs and subclassed controls.
#include "framework/window_object.h"

#include <exception>

#include "framework/command_ui.h"

namespace {

void ReportToDebugger(const char* what) {
    ::OutputDebugStringA("A message handler failed: ");
    ::OutputDebugStringA(what);
    ::OutputDebugStringA("\n");
}

HandlerFailureReporter failureReporter = ReportToDebugger;

// The child control a parent-level message is about, for reflection to its object.
HWND ReflectionTarget(UINT message, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
        }
        default:
            return nullptr;
    }
}

}  // namespace

void SetHandlerFailureReporter(HandlerFailureReporter reporter) {
    failureReporter = reporter != nullptr ? reporter : ReportToDebugger;
}

void ReportCurrentException() noexcept {
    try {
        throw;
    } catch (const std::exception& e) {
        failureReporter(e.what());
    } catch (...) {
        failureReporter("unknown exception");
    }
}

void CWindowObject::Attach(HWND window) {
    hwnd_ = window;
    AddMessageHook(window, *this);
}

void CWindowObject::Abandon() {
    if (hwnd_ != nullptr) ForgetWindow(hwnd_);
    hwnd_ = nullptr;
}

void CWindowObject::Detach() {
    Abandon();
    try {
        WindowDetached();
        OnWindowGone();
    } catch (...) {
        ReportCurrentException();
    }
}

bool CWindowObject::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) noexcept {
    try {
        return DispatchTables(message, wParam, lParam, result);
    } catch (...) {
        ReportCurrentException();
    }
    // A creation handler that failed fails the creation instead of leaving a half-built window.
    result = message == WM_CREATE ? -1 : 0;
    return true;
}

bool CWindowObject::DispatchTables(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            if (DispatchCommand(wParam, lParam, result)) return true;
            break;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            const NotifyEntry* entry =
                FindNotify(Map(), NotifySource::Notify, header.code, static_cast<unsigned>(header.idFrom));
            if (entry != nullptr) {
                result = entry->invoke(*this, lParam);
                return true;
            }
            break;
        }
        case WM_INITMENUPOPUP:
            // The states first; a handler listed for the message (owner drawing) still runs.
            if (HIWORD(lParam) == 0) UpdateMenu(reinterpret_cast<HMENU>(wParam));
            break;
        default:
            break;
    }

    if (const MessageEntry* entry = FindMessage(Map(), message)) {
        result = entry->invoke(*this, wParam, lParam);
        return true;
    }

    const HWND control = ReflectionTarget(message, lParam);
    if (control != nullptr && control != hwnd_) {
        if (CWindowObject* child = SubclassedObject(control)) {
            return child->Dispatch(Reflected(message), wParam, lParam, result);
        }
    }
    return false;
}

// Menus, accelerators and toolbars send no control (or a toolbar with BN_CLICKED); push
// buttons send BN_CLICKED. Everything else from a control is a notification.
bool CWindowObject::DispatchCommand(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const unsigned id = LOWORD(wParam);
    const unsigned code = HIWORD(wParam);
    if (lParam == 0 || code == BN_CLICKED) {
        if (!ExecuteCommand(id)) return false;
        result = 0;
        return true;
    }
    if (const NotifyEntry* entry = FindNotify(Map(), NotifySource::Command, code, id)) {
        result = entry->invoke(*this, lParam);
        return true;
    }
    return false;
}

void CWindowObject::UpdateMenu(HMENU popup) {
    ApplyCommandStates(popup, [this](CommandState& state) { QueryCommandState(state); });
}
