// The application object: one per process, the message loop and the idle pass.
#include "framework/application.h"

#include "framework/message_filters.h"

namespace {
CApplicationBase* current = nullptr;
// WM_SYSTIMER drives caret blinking; like WM_PAINT it says nothing about the program's state.
constexpr UINT kSystemTimer = 0x0118;
}  // namespace

CApplicationBase::CApplicationBase() { current = this; }

CApplicationBase::~CApplicationBase() {
    // The frame goes before the object its routing reaches.
    mainWindow_.reset();
    if (current == this) current = nullptr;
}

CApplicationBase* CApplicationBase::Current() { return current; }

CFrameWindow* CApplicationBase::MainWindow() const {
    return mainWindow_ != nullptr && mainWindow_->IsAlive() ? mainWindow_.get() : nullptr;
}

CFrameWindow& CApplicationBase::SetMainWindow(std::unique_ptr<CFrameWindow> frame) {
    mainWindow_ = std::move(frame);
    return *mainWindow_;
}

int CApplicationBase::Run(HINSTANCE instance) {
    instance_ = instance;
    bool started = false;
    try {
        started = Start();
    } catch (...) {
        ReportCurrentException();
    }
    if (!started) return 0;
    const int quitCode = RunMessageLoop();
    try {
        return Exit(quitCode);
    } catch (...) {
        ReportCurrentException();
        return quitCode;
    }
}

int CApplicationBase::RunMessageLoop() {
    MSG message{};
    bool idle = true;
    for (;;) {
        if (idle && !::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            try {
                OnIdle();
            } catch (...) {
                ReportCurrentException();
            }
            idle = false;
        }
        const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return -1;
        if (!PreTranslateQueuedMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (StartsIdleAgain(message)) idle = true;
    }
}

// Paint, timers and a mouse that did not move change nothing a toolbar shows: they do not earn
// another idle pass (or a resting mouse or a status timer would keep the program busy).
bool CApplicationBase::StartsIdleAgain(const MSG& message) {
    if (message.message == WM_PAINT || message.message == WM_TIMER || message.message == kSystemTimer) return false;
    if (message.message == WM_MOUSEMOVE || message.message == WM_NCMOUSEMOVE) {
        if (message.lParam == lastMousePosition_) return false;
        lastMousePosition_ = message.lParam;
    }
    return true;
}

void CApplicationBase::OnIdle() {
    if (CFrameWindow* frame = MainWindow()) frame->UpdateToolbarStates();
}
