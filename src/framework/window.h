// Base of the program's own window classes: one window procedure finds the object and its tables.
#pragma once

#include <windows.h>

#include <string>

#include "framework/window_object.h"

// A window class of ours: its procedure is CWindow's, and its extra bytes hold the object
// pointer (GWLP_USERDATA stays free: the main window carries the instance marker there).
struct WindowClass {
    const char* name = nullptr;
    UINT style = 0;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
};

// Registers the class once per process; true also when it already exists.
bool RegisterWindowClass(const WindowClass& windowClass, HINSTANCE instance = nullptr);

struct WindowCreation {
    const char* className = nullptr;
    std::string title;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HMENU menuOrId = nullptr;  // a child's control ID goes here, as for CreateWindowEx
    HINSTANCE instance = nullptr;
};

// A window class lists what it handles in one place:
//
//   const MessageMap& CPopupWindow::Map() const {
//       static constexpr MessageEntry kMessages[] = {
//           route::Message<WM_SIZE, &CPopupWindow::OnSize>(),      // void OnSize(const SizeArgs&)
//           route::Message<WM_TIMER, &CPopupWindow::OnTimer>(),    // void OnTimer(const TimerArgs&)
//       };
//       static constexpr CommandEntry kCommands[] = {
//           route::Command<ID_FILE_OPEN, &CPopupWindow::OnOpen>(), // void OnOpen()
//       };
//       static constexpr MessageMap kMap{.messages = kMessages, .commands = kCommands};
//       return kMap;
//   }
//
// Unlisted messages go to the default procedure. The argument structs are in message_args.h.
class CWindow : public CWindowObject {
public:
    // Destroys a window that is still alive. The window is detached first: while a base
    // destructor runs, the derived handlers no longer exist. A class that needs WM_DESTROY
    // calls Destroy() in its own destructor.
    ~CWindow() override;

    // Creates the window of a class registered with RegisterWindowClass; false when creation
    // fails or the class is not one of ours.
    bool Create(const WindowCreation& creation);
    void Destroy();

protected:
    CWindow() = default;
    // For messages no table handles.
    virtual LRESULT DefaultProcedure(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    friend bool RegisterWindowClass(const WindowClass&, HINSTANCE);
};
