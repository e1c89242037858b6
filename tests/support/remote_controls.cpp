// Cross-process reads of common controls for the end-to-end tests.
#include "remote_controls.h"

#include <commctrl.h>

namespace testsupport {
namespace {

constexpr size_t kRequest = 256;   // room for the largest request structure
constexpr size_t kText = 4096;

struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    if (::GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

RemoteControls::RemoteControls(HWND window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    process_ = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_) {
        remote_ = static_cast<char*>(
            ::VirtualAllocEx(process_, nullptr, kRequest + kText, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    }
}

RemoteControls::~RemoteControls() {
    if (remote_) ::VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    if (process_) ::CloseHandle(process_);
}

std::string RemoteControls::ReadText(size_t offset) {
    std::string text(kText, '\0');
    SIZE_T read = 0;
    ::ReadProcessMemory(process_, remote_ + offset, text.data(), kText, &read);
    text.resize(text.find('\0') == std::string::npos ? read : text.find('\0'));
    return text;
}

std::string RemoteControls::ListCell(HWND list, int row, int column) {
    if (!remote_) return {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = remote_ + kRequest;
    item.cchTextMax = static_cast<int>(kText);
    ::WriteProcessMemory(process_, remote_, &item, sizeof item, nullptr);
    ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote_));
    return ReadText(kRequest);
}

bool RemoteControls::SelectRows(HWND list, const std::vector<int>& rows) {
    if (!remote_) return false;
    const auto setState = [&](int row, UINT state) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = state;
        ::WriteProcessMemory(process_, remote_, &item, sizeof item, nullptr);
        return ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote_)) != 0;
    };
    bool done = setState(-1, 0);
    for (const int row : rows) done = setState(row, LVIS_SELECTED | LVIS_FOCUSED) && done;
    return done;
}

std::string RemoteControls::TabText(HWND tabs, int tab) {
    if (!remote_) return {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = remote_ + kRequest;
    item.cchTextMax = static_cast<int>(kText);
    ::WriteProcessMemory(process_, remote_, &item, sizeof item, nullptr);
    ::SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(remote_));
    return ReadText(kRequest);
}

std::string RemoteControls::StatusText(HWND statusBar, int pane) {
    if (!remote_) return {};
    ::SendMessageA(statusBar, SB_GETTEXTA, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(remote_ + kRequest));
    return ReadText(kRequest);
}

HWND FindDescendant(HWND parent, int controlId) {
    Search search{controlId, nullptr};
    ::EnumChildWindows(parent, &MatchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace testsupport
