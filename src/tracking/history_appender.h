// Appends detected openings to the history file, and tells the view when a line was added.
#pragma once

#include <windows.h>

#include <functional>

#include "tracking/history_file.h"
#include "tracking/recent_scanner.h"

class HistoryAppender : public OpeningRecorder {
public:
    // `listWindow` is the window that shows the history; nothing is appended without it.
    // `onAppended` rebuilds the view after each line.
    HistoryAppender(const HistoryFile& history, RecentScanner& scanner, HWND listWindow,
                    std::function<void()> onAppended);

    // One line per opening. A failed write shows "Cannot save to the dat-file".
    bool RecordOpening(const std::string& target, double oleDate) override;

private:
    const HistoryFile& history_;
    RecentScanner& scanner_;
    HWND listWindow_;
    std::function<void()> onAppended_;
};
