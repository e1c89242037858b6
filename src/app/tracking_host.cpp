// The recording host: the document list window will take over its scanner and watcher.
#include "app/tracking_host.h"

#include "app/instance_marker.h"
#include "framework/program_path.h"
#include "tracking/recent_folder.h"

namespace {

constexpr char kClassName[] = "KestrumTrackingHost";

}  // namespace

TrackingHost::~TrackingHost() {
    Shutdown();
    if (::IsWindow(window_)) ::DestroyWindow(window_);
}

bool TrackingHost::Create(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &TrackingHost::WindowProc;
    windowClass.hInstance = instance;
    windowClass.cbWndExtra = sizeof(TrackingHost*);
    windowClass.lpszClassName = kClassName;
    ::RegisterClassExA(&windowClass);

    window_ = ::CreateWindowExA(0, kClassName, "Kestrum", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0,
                                CW_USEDEFAULT, 0, nullptr, nullptr, instance, this);
    if (!window_) return false;
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, kInstanceMarker);

    history_.Locate(ProgramPath());
    appender_ = std::make_unique<HistoryAppender>(history_, scanner_, window_, nullptr);
    if (scanner_.Attach(RecentFolderPath())) watcher_.Start(window_, scanner_.Folder());
    return true;
}

void TrackingHost::Shutdown() { watcher_.Stop(); }

LRESULT CALLBACK TrackingHost::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* created = static_cast<TrackingHost*>(create->lpCreateParams);
        created->window_ = window;
        ::SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(created));
    }
    auto* host = reinterpret_cast<TrackingHost*>(::GetWindowLongPtrA(window, 0));
    if (message == WM_NCDESTROY) ::SetWindowLongPtrA(window, 0, 0);
    return host ? host->OnMessage(message, wParam, lParam)
                : ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT TrackingHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_RECENT_CHANGED:
            if (appender_) scanner_.Scan(*appender_);
            return 0;
        case WM_ENDSESSION:
            if (!wParam) return 0;
            [[fallthrough]];
        case WM_CLOSE:
            Shutdown();
            ::DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcA(window_, message, wParam, lParam);
    }
}
