// Drives modal UI (dialogs, context menus) of the test's own thread from a timer, which the
// modal loops dispatch while the call under test blocks.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class ThreadWindowDriver {
public:
    // Calls `action` once with the first visible top-level window of this thread whose class
    // is `className` ("#32770" dialogs, "#32768" menus). The action must close what it found.
    // After `giveUpMs` without such a window, or when the action left it open, everything of
    // that class is closed so that a broken test fails instead of hanging.
    ThreadWindowDriver(std::string className, std::function<void(HWND)> action, UINT giveUpMs = 10000)
        : className_(std::move(className)), action_(std::move(action)), ticksLeft_(giveUpMs / kTickMs) {
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, kTickMs, &ThreadWindowDriver::OnTimer);
    }
    ~ThreadWindowDriver() {
        ::KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    ThreadWindowDriver(const ThreadWindowDriver&) = delete;
    ThreadWindowDriver& operator=(const ThreadWindowDriver&) = delete;

    bool Ran() const { return ran_; }

private:
    static constexpr UINT kTickMs = 50;

    struct Search {
        const std::string* className;
        HWND found;
    };

    static BOOL CALLBACK Match(HWND window, LPARAM parameter) {
        auto& search = *reinterpret_cast<Search*>(parameter);
        char name[64] = {};
        ::GetClassNameA(window, name, sizeof name);
        if (::IsWindowVisible(window) && *search.className == name) {
            search.found = window;
            return FALSE;
        }
        return TRUE;
    }

    HWND Find() const {
        Search search{&className_, nullptr};
        ::EnumThreadWindows(::GetCurrentThreadId(), &Match, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    void Close(HWND window) const {
        if (className_ == "#32768") {
            ::EndMenu();
        } else {
            ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    }

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        ThreadWindowDriver* self = current_;
        if (!self) return;
        const HWND window = self->Find();
        if (window && !self->ran_) {
            self->ran_ = true;
            self->action_(window);
            return;
        }
        if (self->ticksLeft_ > 0) {
            --self->ticksLeft_;
        } else if (window) {
            self->Close(window);
        }
    }

    static inline ThreadWindowDriver* current_ = nullptr;
    std::string className_;
    std::function<void(HWND)> action_;
    UINT ticksLeft_;
    UINT_PTR timer_ = 0;
    bool ran_ = false;
};
