// The watcher thread: it owns only a change notification and shares nothing but the target
// window and the stop event with the window thread, both fixed before it starts.
#include "tracking/recent_watcher.h"

namespace {
constexpr DWORD kCannotWatch = static_cast<DWORD>(-1);
}

bool RecentWatcher::Start(HWND target, const std::string& folder) {
    Stop();
    stopEvent_.reset(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
    if (!stopEvent_) return false;
    shared_ = Shared{target, stopEvent_.get(), folder};
    thread_.reset(::CreateThread(nullptr, 0, &RecentWatcher::Run, &shared_, CREATE_SUSPENDED, nullptr));
    if (!thread_) {
        stopEvent_.reset();
        return false;
    }
    ::ResumeThread(thread_.get());
    return true;
}

void RecentWatcher::Stop() {
    if (thread_) {
        if (stopEvent_) {
            ::SetEvent(stopEvent_.get());
            ::WaitForSingleObject(thread_.get(), INFINITE);
        }
        lastExitCode_ = 0;
        ::GetExitCodeThread(thread_.get(), &lastExitCode_);
        thread_.reset();
    }
    stopEvent_.reset();
    shared_ = Shared{};
}

DWORD RecentWatcher::ExitCode() const { return lastExitCode_; }

DWORD WINAPI RecentWatcher::Run(void* parameter) {
    const Shared& shared = *static_cast<const Shared*>(parameter);
    if (!::IsWindow(shared.target) || !shared.stopEvent || shared.folder.empty()) return kCannotWatch;

    UniqueChangeNotification change(
        ::FindFirstChangeNotificationA(shared.folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_LAST_WRITE));
    if (!change) return kCannotWatch;

    const HANDLE handles[] = {shared.stopEvent, change.get()};
    while (true) {
        switch (::WaitForMultipleObjects(2, handles, FALSE, INFINITE)) {
            case WAIT_OBJECT_0:
                return 0;
            case WAIT_OBJECT_0 + 1:
                ::PostMessageA(shared.target, WM_RECENT_CHANGED, 0, 0);
                if (!::FindNextChangeNotification(change.get())) return kCannotWatch;
                break;
            default:
                return kCannotWatch;
        }
    }
}
