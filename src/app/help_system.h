// The system's help engine, started for the program's life; a system without it is no error.
#pragma once

#include <windows.h>

#include "framework/win_handles.h"

class HelpSystem {
public:
    HelpSystem();
    ~HelpSystem();
    HelpSystem(const HelpSystem&) = delete;
    HelpSystem& operator=(const HelpSystem&) = delete;

    // Whether the engine was found and started.
    bool Started() const { return cookie_ != 0; }

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    UniqueModule library_;
    HtmlHelpFunction htmlHelp_ = nullptr;
    DWORD cookie_ = 0;
};
