// Helpers shared by the window framework tests: a window class, a modal-loop script, reporting.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/message_filters.h"
#include "framework/window.h"

inline constexpr char kTestWindowClass[] = "KestrumFrameworkTestWindow";

inline bool RegisterTestWindowClass() {
    return RegisterWindowClass({.name = kTestWindowClass,
                                .cursor = ::LoadCursorA(nullptr, IDC_ARROW),
                                .background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)});
}

// Runs `script` once, from a thread timer, inside whichever message loop runs by then: the way a
// test reaches into a modal dialog.
inline void RunSoon(std::function<void()> script) {
    static std::function<void()> pending;
    pending = std::move(script);
    ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        auto run = std::exchange(pending, nullptr);
        if (run) run();
    });
}

// Posts a key press to a window as the keyboard would queue it, then pumps the queue.
inline void PressKey(HWND target, UINT key) {
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
    ::PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    PumpPendingMessages();
}

// Collects what handlers report when they throw.
inline std::vector<std::string>& ReportedFailures() {
    static std::vector<std::string> failures;
    return failures;
}

inline void RecordFailure(const char* what) { ReportedFailures().emplace_back(what); }
