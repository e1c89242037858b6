// The visual-styles library, loaded at run time: without it (or without themes) the program
// paints in its classic look instead.
#pragma once

#include <windows.h>
#include <uxtheme.h>

#include "framework/win_handles.h"

class ThemeApi {
public:
    ThemeApi();
    ThemeApi(const ThemeApi&) = delete;
    ThemeApi& operator=(const ThemeApi&) = delete;

    bool IsLoaded() const { return static_cast<bool>(library_); }

    // Asked at every use, so a change of the desktop's style shows at the next repaint.
    bool IsThemed() const;
    bool IsThemeActive() const;

    // Draws part/state of the theme class over `rect`. False without themes, for a dead window,
    // a missing DC or rectangle, an empty class name, or when the theme data does not open.
    bool DrawThemed(HWND window, HDC dc, const RECT* rect, const char* className, int part,
                    int state) const;

    // Draws one line of text in the theme's font and colour for part/state; same conditions.
    bool DrawThemedText(HWND window, HDC dc, const RECT* rect, const char* className, int part,
                        int state, const char* text, DWORD format) const;

    // A colour property of part/state, or `fallback` when it cannot be read.
    COLORREF ThemeColorOf(HWND window, const char* className, int part, int state, int property,
                          COLORREF fallback = 0) const;

    // k = 0: the accent hint of a hot push button; k = 1: of a default push button. Without
    // themes (or when the theme does not tell) COLOR_HIGHLIGHT and COLOR_BTNFACE. 0 for any other k.
    COLORREF ThemeColour(int k) const;

    // Gives the window another theme (null names restore the default; empty names switch the
    // window to the classic look). False when the entry point is missing or the call fails.
    bool SetWindowTheme(HWND window, const wchar_t* appName, const wchar_t* idList) const;

private:
    using OpenThemeDataFn = HTHEME(WINAPI*)(HWND, LPCWSTR);
    using CloseThemeDataFn = HRESULT(WINAPI*)(HTHEME);
    using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCRECT, LPCRECT);
    using DrawThemeTextFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD,
                                             LPCRECT);
    using IsAppThemedFn = BOOL(WINAPI*)();
    using IsThemeActiveFn = BOOL(WINAPI*)();
    using GetThemeColorFn = HRESULT(WINAPI*)(HTHEME, int, int, int, COLORREF*);
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);

    class ThemeData;

    UniqueModule library_;
    OpenThemeDataFn openThemeData_ = nullptr;
    CloseThemeDataFn closeThemeData_ = nullptr;
    DrawThemeBackgroundFn drawThemeBackground_ = nullptr;
    DrawThemeTextFn drawThemeText_ = nullptr;
    IsAppThemedFn isAppThemed_ = nullptr;
    IsThemeActiveFn isThemeActive_ = nullptr;
    GetThemeColorFn getThemeColor_ = nullptr;
    SetWindowThemeFn setWindowTheme_ = nullptr;
};
