// The worker thread that waits for changes in the Recent folder and tells the window thread.
#pragma once

#include <windows.h>

#include <string>

#include "framework/private_messages.h"
#include "framework/win_handles.h"

class RecentWatcher {
public:
    RecentWatcher() = default;
    ~RecentWatcher() { Stop(); }
    RecentWatcher(const RecentWatcher&) = delete;
    RecentWatcher& operator=(const RecentWatcher&) = delete;

    // Starts watching `folder` (files created or written, no subfolders) for `target`.
    // False when the stop event or the thread cannot be created.
    bool Start(HWND target, const std::string& folder);

    // Signals the thread and waits for its end. Stopping a stopped watcher does nothing.
    void Stop();

    bool Running() const { return static_cast<bool>(thread_); }
    // The thread's exit code once it has ended: 0 after Stop, -1 when it could not watch.
    DWORD ExitCode() const;

private:
    struct Shared {
        HWND target = nullptr;
        HANDLE stopEvent = nullptr;
        std::string folder;
    };
    static DWORD WINAPI Run(void* shared);

    Shared shared_;
    DWORD lastExitCode_ = 0;
    UniqueKernelHandle stopEvent_;
    UniqueKernelHandle thread_;
};
