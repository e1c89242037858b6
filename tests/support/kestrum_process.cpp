// Running the real program under test.
#include "kestrum_process.h"

#include <cstdio>

#include "app/instance_marker.h"
#include "wine_test_support.h"

namespace testsupport {
namespace {

// The Exit command of the main window's File menu.
constexpr WPARAM kExitCommand = 32820;

struct FoundWindow {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindMarkedWindow(HWND window, LPARAM parameter) {
    auto* found = reinterpret_cast<FoundWindow*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == found->processId && ::GetWindowLongPtrA(window, GWLP_USERDATA) == kInstanceMarker) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// Runs start as a user who has ticked "Do not show this message again": a note waiting for an
// answer would keep the window disabled. Tests of the note store the value themselves.
void SkipTrayNoteUnlessStored() {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Quillon Works\\Kestrum", 0, nullptr, 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    if (::RegQueryValueExA(key, "HideMessage", nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        const DWORD on = 1;
        ::RegSetValueExA(key, "HideMessage", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
    }
    ::RegCloseKey(key);
}

// What the process shows when it does not end: a modal box or dialog left open explains most
// such failures, and a process that ends a little later is slow rather than stuck.
BOOL CALLBACK PrintProcessWindow(HWND window, LPARAM processId) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != static_cast<DWORD>(processId)) return TRUE;
    char title[128] = {};
    char className[64] = {};
    ::GetWindowTextA(window, title, sizeof title);
    ::GetClassNameA(window, className, sizeof className);
    std::printf("[ WINDOW   ] %s \"%s\"%s%s\n", className, title, ::IsWindowVisible(window) ? " visible" : "",
                ::IsWindowEnabled(window) ? "" : " disabled");
    return TRUE;
}

// A copy over the program a previous test ran can fail for a moment while the system still
// holds the ended process's image.
bool CopyProgram(const std::string& from, const std::string& to) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (::CopyFileA(from.c_str(), to.c_str(), FALSE)) return true;
        ::Sleep(100);
    }
    return false;
}

}  // namespace

bool StoreShowIntro(DWORD value) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Quillon Works\\Kestrum", 0, nullptr, 0, KEY_SET_VALUE,
                          nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const bool stored = ::RegSetValueExA(key, "ShowIntro", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                         sizeof value) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return stored;
}

KestrumProcess::KestrumProcess(const std::string& exe, const std::string& folder, Intro intro)
    : exe_(folder + "Kestrum.exe") {
    SkipTrayNoteUnlessStored();
    if (!CopyProgram(exe, exe_)) {
        std::printf("[ FAILED   ] cannot copy %s to %s: error %lu\n", exe.c_str(), exe_.c_str(), ::GetLastError());
        return;
    }
    if (intro == Intro::Off && !StoreShowIntro(0)) return;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe_ + "\"";
    started_ = ::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                                &startup, &process_);
    if (started_) WaitUntil([&] { return Window() != nullptr; }, std::chrono::seconds(15));
}

KestrumProcess::~KestrumProcess() {
    if (!started_) return;
    if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_.hProcess, 1);
        ::WaitForSingleObject(process_.hProcess, 5000);
    }
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
}

HWND KestrumProcess::Window() const {
    FoundWindow found{process_.dwProcessId, nullptr};
    ::EnumWindows(&FindMarkedWindow, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

bool KestrumProcess::ExitWithin(std::chrono::milliseconds limit) {
    const HWND window = Window();
    if (!window) return false;
    ::PostMessageA(window, WM_COMMAND, kExitCommand, 0);
    if (::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0) return true;
    ::EnumWindows(&PrintProcessWindow, static_cast<LPARAM>(process_.dwProcessId));
    const bool endedLater = ::WaitForSingleObject(process_.hProcess, 5000) == WAIT_OBJECT_0;
    std::printf("[ EXIT     ] not ended within %lld ms; %s\n", static_cast<long long>(limit.count()),
                endedLater ? "ended within 5 s more" : "still running 5 s later");
    return false;
}

bool KestrumProcess::EndedWithin(std::chrono::milliseconds limit) const {
    return started_ && ::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
}

std::string KestrumProcess::HistoryPath() const { return exe_.substr(0, exe_.size() - 3) + "dat"; }

}  // namespace testsupport
