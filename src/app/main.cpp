// Kestrum's entry point.
#include <windows.h>

#include "app/tracking_host.h"
#include "framework/com_ptr.h"
#include "language/message_text.h"
#include "language/ui_language.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ComInit com;
    // The one language object; every message text and translated window goes through it.
    UiLanguage language;
    language.SetLanguage("english");
    const CurrentLanguageScope currentLanguage(language);
    TrackingHost host;
    if (!host.Create(instance)) return 1;

    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
