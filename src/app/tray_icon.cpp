// The notification-area icon: one record, filled once, sent to the shell on add and delete.
#include "app/tray_icon.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// The record's first form: the fields up to the 64-character tip. Its size depends on the
// pointer width (the window and icon handles are aligned to 8 bytes in a 64-bit program), so it
// comes from the structure, never a number written down for one width.
constexpr DWORD kRecordSize = NOTIFYICONDATAA_V1_SIZE;
static_assert(sizeof(void*) != 8 || kRecordSize == 104, "64-bit first-form record");

// The tip field holds 64 bytes; older shells show at most 61 characters of it.
constexpr size_t kTipCharacters = 61;

BOOL CallShell(DWORD operation, NOTIFYICONDATAA* record) { return ::Shell_NotifyIconA(operation, record); }

}  // namespace

TrayIcon::TrayIcon(ShellCall shell) : shell_(shell ? std::move(shell) : ShellCall(&CallShell)) {}

bool TrayIcon::Add(HWND owner, UINT message, std::string_view tip, HICON icon) {
    if (added_) return true;
    record_ = {};
    record_.cbSize = kRecordSize;
    record_.hWnd = owner;
    record_.uID = 0;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | (tip.empty() ? 0 : NIF_TIP);
    record_.uCallbackMessage = message;
    record_.hIcon = icon;
    const size_t length = std::min(tip.size(), kTipCharacters);
    std::memcpy(record_.szTip, tip.data(), length);
    record_.szTip[length] = '\0';
    requested_ = true;
    added_ = shell_(NIM_ADD, &record_) != FALSE;
    return added_;
}

bool TrayIcon::Remove() {
    if (!added_) return false;
    shell_(NIM_DELETE, &record_);
    added_ = false;
    return true;
}

bool TrayIcon::AddAgain() {
    if (!requested_) return false;
    // The announcement also comes while the icon is still there (a display change); an add is
    // then refused, and an update of the same record tells that the icon stands.
    added_ = shell_(NIM_ADD, &record_) != FALSE || shell_(NIM_MODIFY, &record_) != FALSE;
    return added_;
}
