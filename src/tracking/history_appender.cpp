// Appending one history line with the scan suspended, since a failure message pumps messages.
#include "tracking/history_appender.h"

#include "framework/message_box.h"
#include "language/message_table.h"
#include "language/message_text.h"
#include "tracking/history_line.h"

HistoryAppender::HistoryAppender(const HistoryFile& history, RecentScanner& scanner, HWND listWindow,
                                 std::function<void()> onAppended)
    : history_(history), scanner_(scanner), listWindow_(listWindow), onAppended_(std::move(onAppended)) {}

bool HistoryAppender::RecordOpening(const std::string& target, double oleDate) {
    if (history_.Path().empty() || target.empty() || !::IsWindow(listWindow_)) return false;
    const std::string line = FormatHistoryLine(oleDate, target);
    scanner_.SetScanEnabled(false);
    const bool appended = history_.Append(line);
    if (appended) {
        if (onAppended_) onAppended_();
    } else {
        ShowError(listWindow_, MessageText(kMsgCannotSaveHistory));
    }
    scanner_.SetScanEnabled(true);
    return appended;
}
