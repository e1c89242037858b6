// Message boxes captioned with the application's name.
#include "framework/message_box.h"

namespace {
std::string& Title() {
    static std::string title = "Kestrum";
    return title;
}
}  // namespace

void SetApplicationTitle(std::string title) { Title() = std::move(title); }

const std::string& ApplicationTitle() { return Title(); }

int ShowMessage(HWND owner, const std::string& text, UINT type) {
    return ::MessageBoxA(::IsWindow(owner) ? owner : nullptr, text.c_str(), Title().c_str(), type);
}

void ShowError(HWND owner, const std::string& text) { ShowMessage(owner, text, MB_OK | MB_ICONERROR); }

bool AskOkCancel(HWND owner, const std::string& text) {
    return ShowMessage(owner, text, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}
