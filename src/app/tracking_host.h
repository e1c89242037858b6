// A hidden top-level window that records openings: history, Recent-folder scanner and watcher.
#pragma once

#include <windows.h>

#include <memory>

#include "tracking/history_appender.h"
#include "tracking/history_file.h"
#include "tracking/recent_scanner.h"
#include "tracking/recent_watcher.h"

class TrackingHost {
public:
    TrackingHost() = default;
    ~TrackingHost();
    TrackingHost(const TrackingHost&) = delete;
    TrackingHost& operator=(const TrackingHost&) = delete;

    // Creates the window, places the history beside the program, takes the first listing of
    // the Recent folder and starts the watcher. False when the window cannot be created.
    bool Create(HINSTANCE instance);
    HWND Window() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Shutdown();

    HWND window_ = nullptr;
    HistoryFile history_;
    RecentScanner scanner_;
    RecentWatcher watcher_;
    std::unique_ptr<HistoryAppender> appender_;
};
