// Help requests: every sender goes through the application's main frame.
#include "ui/help_topic.h"

#include "framework/application.h"

HWND MainFrameWindow() {
    const CApplicationBase* application = CApplicationBase::Current();
    const CFrameWindow* frame = application != nullptr ? application->MainWindow() : nullptr;
    return frame != nullptr ? frame->hwnd() : nullptr;
}

LRESULT SendHelpTopic(const std::string& topic, const MSG* message) {
    const HWND frame = MainFrameWindow();
    if (topic.empty() || frame == nullptr) return 0;
    return ::SendMessageA(frame, WM_SHOW_HELP_TOPIC, reinterpret_cast<WPARAM>(topic.c_str()),
                          reinterpret_cast<LPARAM>(message));
}
