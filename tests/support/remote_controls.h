// Reading the list view, tab strip and status bar of another process's window, through a
// buffer in that process (these messages carry pointers the system does not marshal).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

class RemoteControls {
public:
    // For the process that owns `window`.
    explicit RemoteControls(HWND window);
    ~RemoteControls();
    RemoteControls(const RemoteControls&) = delete;
    RemoteControls& operator=(const RemoteControls&) = delete;

    std::string ListCell(HWND list, int row, int column);
    // Selects exactly `rows` (the last one focused), as clicks with Ctrl would.
    bool SelectRows(HWND list, const std::vector<int>& rows);
    std::string TabText(HWND tabs, int tab);
    std::string StatusText(HWND statusBar, int pane);

private:
    std::string ReadText(size_t offset);

    HANDLE process_ = nullptr;
    char* remote_ = nullptr;  // in the other process: a request structure, then a text buffer
};

// The first descendant of `parent` with this control ID.
HWND FindDescendant(HWND parent, int controlId);

}  // namespace testsupport
