// The baseline of the idle benchmark: one shown window and a plain message loop, nothing else.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "PlainLoop";
    ::RegisterClassA(&windowClass);
    const HWND window = ::CreateWindowExA(0, "PlainLoop", "Plain loop", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 400,
                                          300, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 0;
}
