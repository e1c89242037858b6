// Decoded parameters of the common window messages, one small struct per message shape.
//
// A handler takes one of these (`void OnSize(const SizeArgs&)`), so its body reads named values,
// never WPARAM or LPARAM. route::Message checks at compile time that the struct decodes the
// message it is listed for. A program's private messages get their own structs of this shape.
#pragma once

#include <windows.h>
#include <windowsx.h>

#include "framework/window_object.h"

namespace message_args_detail {
constexpr bool IsColorMessage(UINT m) {
    return m == WM_CTLCOLORBTN || m == WM_CTLCOLORSTATIC || m == WM_CTLCOLOREDIT || m == WM_CTLCOLORLISTBOX ||
           m == WM_CTLCOLORSCROLLBAR || m == WM_CTLCOLORDLG || m == WM_CTLCOLORMSGBOX;
}
constexpr bool IsMouseMessage(UINT m) {
    return m == WM_MOUSEMOVE || (m >= WM_LBUTTONDOWN && m <= WM_MBUTTONDBLCLK);
}
}  // namespace message_args_detail

// WM_CREATE.
struct CreateArgs {
    CreateArgs(WPARAM, LPARAM l) : create(*reinterpret_cast<const CREATESTRUCTA*>(l)) {}
    static constexpr bool Accepts(UINT m) { return m == WM_CREATE; }
    const CREATESTRUCTA& create;
};

// WM_SIZE: type is SIZE_RESTORED, SIZE_MINIMIZED...; the new client size.
struct SizeArgs {
    SizeArgs(WPARAM w, LPARAM l) : type(static_cast<UINT>(w)), width(LOWORD(l)), height(HIWORD(l)) {}
    static constexpr bool Accepts(UINT m) { return m == WM_SIZE; }
    UINT type;
    int width;
    int height;
};

// WM_TIMER.
struct TimerArgs {
    TimerArgs(WPARAM w, LPARAM) : id(w) {}
    static constexpr bool Accepts(UINT m) { return m == WM_TIMER; }
    UINT_PTR id;
};

// Mouse messages of the client area; coordinates are signed (left of or above the window on
// a second monitor, or while the mouse is captured).
struct MouseArgs {
    MouseArgs(WPARAM w, LPARAM l) : point{GET_X_LPARAM(l), GET_Y_LPARAM(l)}, keys(static_cast<UINT>(w)) {}
    static constexpr bool Accepts(UINT m) { return message_args_detail::IsMouseMessage(m); }
    POINT point;
    UINT keys;  // MK_CONTROL, MK_SHIFT, MK_LBUTTON...
};

// WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP.
struct KeyArgs {
    KeyArgs(WPARAM w, LPARAM l)
        : key(static_cast<UINT>(w)), repeat(LOWORD(l)), wasDown((HIWORD(l) & KF_REPEAT) != 0) {}
    static constexpr bool Accepts(UINT m) {
        return m == WM_KEYDOWN || m == WM_KEYUP || m == WM_SYSKEYDOWN || m == WM_SYSKEYUP;
    }
    UINT key;
    UINT repeat;
    bool wasDown;
};

// WM_CHAR: the character code (a UTF-16 unit for a Unicode window, a byte otherwise).
struct CharArgs {
    CharArgs(WPARAM w, LPARAM) : code(static_cast<UINT>(w)) {}
    static constexpr bool Accepts(UINT m) { return m == WM_CHAR; }
    UINT code;
};

// WM_SYSCOMMAND: the four low bits of the command are the system's own and are masked off.
struct SysCommandArgs {
    SysCommandArgs(WPARAM w, LPARAM l) : command(static_cast<UINT>(w) & 0xFFF0), point{GET_X_LPARAM(l), GET_Y_LPARAM(l)} {}
    static constexpr bool Accepts(UINT m) { return m == WM_SYSCOMMAND; }
    UINT command;  // SC_MINIMIZE, SC_CLOSE...
    POINT point;   // screen position for mouse-chosen commands
};

// WM_HOTKEY.
struct HotKeyArgs {
    HotKeyArgs(WPARAM w, LPARAM l) : id(static_cast<int>(w)), modifiers(LOWORD(l)), key(HIWORD(l)) {}
    static constexpr bool Accepts(UINT m) { return m == WM_HOTKEY; }
    int id;
    UINT modifiers;  // MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN
    UINT key;
};

// WM_SETFOCUS, WM_KILLFOCUS: the window that loses or gains the focus, if any.
struct FocusArgs {
    FocusArgs(WPARAM w, LPARAM) : other(reinterpret_cast<HWND>(w)) {}
    static constexpr bool Accepts(UINT m) { return m == WM_SETFOCUS || m == WM_KILLFOCUS; }
    HWND other;
};

// WM_CTLCOLOR* and their reflected forms. The handler returns the background brush.
struct ColorArgs {
    ColorArgs(WPARAM w, LPARAM l) : dc(reinterpret_cast<HDC>(w)), control(reinterpret_cast<HWND>(l)) {}
    static constexpr bool Accepts(UINT m) {
        return message_args_detail::IsColorMessage(m) ||
               (m > kReflectedBase && message_args_detail::IsColorMessage(m - kReflectedBase));
    }
    HDC dc;
    HWND control;
};

// WM_HSCROLL, WM_VSCROLL and their reflected forms; control is null for a window's own bars.
struct ScrollArgs {
    ScrollArgs(WPARAM w, LPARAM l)
        : request(LOWORD(w)), position(static_cast<short>(HIWORD(w))), control(reinterpret_cast<HWND>(l)) {}
    static constexpr bool Accepts(UINT m) {
        return m == WM_HSCROLL || m == WM_VSCROLL || m == Reflected(WM_HSCROLL) || m == Reflected(WM_VSCROLL);
    }
    UINT request;  // SB_LINEUP, SB_THUMBTRACK, TB_ENDTRACK...
    int position;  // for SB_THUMBPOSITION and SB_THUMBTRACK only
    HWND control;
};

// WM_SETCURSOR. The handler returns true when it set the cursor.
struct SetCursorArgs {
    SetCursorArgs(WPARAM w, LPARAM l)
        : window(reinterpret_cast<HWND>(w)), hitTest(static_cast<short>(LOWORD(l))), mouseMessage(HIWORD(l)) {}
    static constexpr bool Accepts(UINT m) { return m == WM_SETCURSOR; }
    HWND window;
    int hitTest;  // HTCLIENT...; negative for HTERROR
    UINT mouseMessage;
};

// WM_CONTEXTMENU: point is (-1, -1) when the menu was asked for from the keyboard.
struct ContextMenuArgs {
    ContextMenuArgs(WPARAM w, LPARAM l) : window(reinterpret_cast<HWND>(w)), point{GET_X_LPARAM(l), GET_Y_LPARAM(l)} {}
    static constexpr bool Accepts(UINT m) { return m == WM_CONTEXTMENU; }
    bool FromKeyboard() const { return point.x == -1 && point.y == -1; }
    HWND window;
    POINT point;
};

// WM_INITMENUPOPUP (the command states are already applied when the handler runs).
struct InitMenuPopupArgs {
    InitMenuPopupArgs(WPARAM w, LPARAM l)
        : menu(reinterpret_cast<HMENU>(w)), position(LOWORD(l)), windowMenu(HIWORD(l) != 0) {}
    static constexpr bool Accepts(UINT m) { return m == WM_INITMENUPOPUP; }
    HMENU menu;
    UINT position;
    bool windowMenu;
};

// WM_DRAWITEM and its reflected form; the handler returns true.
struct DrawItemArgs {
    DrawItemArgs(WPARAM w, LPARAM l) : control(static_cast<UINT>(w)), item(*reinterpret_cast<const DRAWITEMSTRUCT*>(l)) {}
    static constexpr bool Accepts(UINT m) { return m == WM_DRAWITEM || m == Reflected(WM_DRAWITEM); }
    UINT control;  // 0 for menus
    const DRAWITEMSTRUCT& item;
};

// WM_MEASUREITEM; the handler fills in the item's size and returns true.
struct MeasureItemArgs {
    MeasureItemArgs(WPARAM w, LPARAM l) : control(static_cast<UINT>(w)), item(*reinterpret_cast<MEASUREITEMSTRUCT*>(l)) {}
    static constexpr bool Accepts(UINT m) { return m == WM_MEASUREITEM; }
    UINT control;
    MEASUREITEMSTRUCT& item;
};

// WM_ERASEBKGND. The handler returns true when it erased.
struct EraseArgs {
    EraseArgs(WPARAM w, LPARAM) : dc(reinterpret_cast<HDC>(w)) {}
    static constexpr bool Accepts(UINT m) { return m == WM_ERASEBKGND; }
    HDC dc;
};

// Reflected(WM_NOTIFY): a control's own notification, passed back to it by its parent.
struct ReflectedNotifyArgs {
    ReflectedNotifyArgs(WPARAM, LPARAM l) : header(*reinterpret_cast<NMHDR*>(l)) {}
    static constexpr bool Accepts(UINT m) { return m == Reflected(WM_NOTIFY); }
    NMHDR& header;  // cast to the notification's structure by header.code
};

// Reflected(WM_COMMAND): a control's own notification code (BN_CLICKED, STN_CLICKED, EN_CHANGE...).
struct ReflectedCommandArgs {
    ReflectedCommandArgs(WPARAM w, LPARAM) : code(HIWORD(w)) {}
    static constexpr bool Accepts(UINT m) { return m == Reflected(WM_COMMAND); }
    UINT code;
};
