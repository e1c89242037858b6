// Window texts are read at their real length: a fixed buffer would cut long paths.
#include "framework/window_text.h"

std::string WindowText(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

std::string WindowClassName(HWND window) {
    // Class names are at most 256 characters.
    char name[257] = {};
    const int length = ::GetClassNameA(window, name, sizeof name);
    return length > 0 ? std::string(name, static_cast<std::size_t>(length)) : std::string();
}
