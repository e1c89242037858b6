// TrayIcon: the program's one icon in the notification area, added and removed through the shell.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string_view>

class TrayIcon {
public:
    // How the record reaches the shell; Shell_NotifyIconA unless a test passes its own.
    using ShellCall = std::function<BOOL(DWORD operation, NOTIFYICONDATAA* record)>;

    explicit TrayIcon(ShellCall shell = {});
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon (owner may be null) with the tip cut to 61 characters; the shell reports
    // mouse activity over it to the owner as `message` with the mouse message in lParam. While
    // added, nothing is sent and the result is true.
    bool Add(HWND owner, UINT message, std::string_view tip, HICON icon);
    // Takes the icon out; false when it was not added.
    bool Remove();
    // The shell's task bar announced itself: adds the last record again (or finds it still
    // there). False when no add was ever asked for or the shell has no icon.
    bool AddAgain();

    bool IsAdded() const { return added_; }
    const NOTIFYICONDATAA& Record() const { return record_; }

private:
    ShellCall shell_;
    NOTIFYICONDATAA record_{};
    bool requested_ = false;  // Add was called: the record is filled
    bool added_ = false;
};
