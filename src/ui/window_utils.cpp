// Window utilities. Entry points that older systems lack are resolved at run time, and their
// absence changes only the look.
#include "ui/window_utils.h"

#include <versionhelpers.h>

#include "framework/proc_address.h"
#include "framework/win_handles.h"
#include "framework/window_text.h"
#include "ui/text_lookup.h"

namespace {

struct RunningCopySearch {
    std::intptr_t marker = 0;
    bool found = false;
};

BOOL CALLBACK ActivateIfMarked(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<RunningCopySearch*>(parameter);
    if (::GetWindowLongPtrA(window, GWLP_USERDATA) == search.marker) {
        ::ShowWindow(window, SW_SHOWNORMAL);
        ::UpdateWindow(window);
        ::BringWindowToTop(window);
        // The starting process may hand the foreground on; without this the copy stays behind
        // the active window of another program.
        ::SetForegroundWindow(window);
        search.found = true;
    }
    return TRUE;  // every marked window, not just the first
}

RECT WindowRect(HWND window) {
    RECT rect{};
    if (IsLiveWindow(window)) ::GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

bool IsLiveWindow(HWND window) { return window != nullptr && ::IsWindow(window); }

bool ClassNameOf(HWND window, std::string& out) {
    out.clear();
    if (!IsLiveWindow(window)) return false;
    out = WindowClassName(window);
    return !out.empty();
}

bool HasClassName(HWND window, std::string_view className) {
    std::string name;
    return ClassNameOf(window, name) && EqualsIgnoringCase(name, className);
}

bool IsButton(HWND window) { return HasClassName(window, "Button"); }
bool IsStatic(HWND window) { return HasClassName(window, "Static"); }
bool IsListView(HWND window) { return HasClassName(window, "SysListView32"); }
bool IsComboBox(HWND window) { return HasClassName(window, "ComboBox"); }
bool IsListBox(HWND window) { return HasClassName(window, "ListBox"); }
bool IsTabControl(HWND window) { return HasClassName(window, "SysTabControl32"); }
bool IsUpDown(HWND window) { return HasClassName(window, "msctls_updown32"); }

int WindowWidth(HWND window) {
    const RECT rect = WindowRect(window);
    return rect.right - rect.left;
}

int WindowHeight(HWND window) {
    const RECT rect = WindowRect(window);
    return rect.bottom - rect.top;
}

bool NewerSystem() { return ::IsWindowsVersionOrGreater(5, 0, 0); }

BOOL SetTranslucency(HWND window, COLORREF colorKey, BYTE alpha, int mode) {
    using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    if (!IsLiveWindow(window) || !NewerSystem()) return FALSE;
    const UniqueModule user32(::LoadLibraryA("user32.dll"));
    const auto setLayered = ProcAddress<SetLayeredFn>(user32.get(), "SetLayeredWindowAttributes");
    if (!setLayered) return FALSE;
    const LONG_PTR extended = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
    ::SetWindowLongPtrA(window, GWL_EXSTYLE, extended | WS_EX_LAYERED);
    return setLayered(window, colorKey, alpha, LayeredFlagsForMode(mode));
}

void SetInstanceMarker(HWND window, std::intptr_t marker) {
    if (IsLiveWindow(window)) ::SetWindowLongPtrA(window, GWLP_USERDATA, marker);
}

bool ActivateRunningCopy(std::intptr_t marker) {
    // The search state lives in the call, so the operation can be used more than once.
    RunningCopySearch search{marker, false};
    ::EnumWindows(&ActivateIfMarked, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool ContextMenuPosition(int x, int y, HWND focus, POINT& position) {
    if (!IsLiveWindow(focus)) return false;
    const RECT rect = WindowRect(focus);
    const auto point = ContextMenuPoint({x, y}, {rect.left, rect.top, rect.right, rect.bottom},
                                        ::IsWindowVisible(focus) != FALSE);
    if (!point) return false;
    position = {point->x, point->y};
    return true;
}

BOOL TrackMenuAt(int x, int y, HWND focus, HMENU menu, bool useFirstSubMenu) {
    if (!IsLiveWindow(focus) || !menu || !::IsMenu(menu)) return FALSE;
    if (useFirstSubMenu) menu = ::GetSubMenu(menu, 0);
    if (!menu) return FALSE;

    POINT position{};
    if (!ContextMenuPosition(x, y, focus, position)) return FALSE;

    const bool visible = ::IsWindowVisible(focus) != FALSE;
    HWND owner = ::GetParent(focus);
    if (!owner) owner = focus;
    if (visible) {
        ::SetFocus(focus);
    } else {
        // A menu for a hidden window (the tray icon's) only closes on an outside click when its
        // owner is the foreground window.
        ::SetForegroundWindow(owner);
    }
    const BOOL result = ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, position.x, position.y, 0, owner,
                                         nullptr);
    if (!visible) ::PostMessageA(owner, WM_NULL, 0, 0);
    return result;
}

int FindListBoxItemByData(HWND listBox, LPARAM value) {
    if (!IsListBox(listBox)) return -1;
    const LRESULT count = ::SendMessageA(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (::SendMessageA(listBox, LB_GETITEMDATA, static_cast<WPARAM>(i), 0) == value) return static_cast<int>(i);
    }
    return -1;
}
