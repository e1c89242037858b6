// Base of a program's application object: start-up, the message loop with idle updates, exit.
#pragma once

#include <windows.h>

#include <memory>

#include "framework/frame_window.h"
#include "framework/handler_map.h"

// The one application object of a process. Its command table is the second stop of the main
// frame's commands; its update handlers are asked after the frame's.
class CApplicationBase : public CommandTarget {
public:
    CApplicationBase(const CApplicationBase&) = delete;
    CApplicationBase& operator=(const CApplicationBase&) = delete;
    ~CApplicationBase() override;

    // The application object while it exists.
    static CApplicationBase* Current();

    // Start, the message loop, Exit. Returns Exit's result, or 0 at once, without the message
    // loop and without Exit, when Start declines to run.
    int Run(HINSTANCE instance);

    HINSTANCE Instance() const { return instance_; }
    // The main frame when its window is alive, otherwise null.
    CFrameWindow* MainWindow() const;
    bool IsMainWindow(const CFrameWindow* frame) const { return frame != nullptr && frame == mainWindow_.get(); }

protected:
    CApplicationBase();

    // Start-up before the message loop; false ends the process at once. Whatever Start
    // acquires is released by members, not by Exit, which then does not run.
    virtual bool Start() = 0;
    // After the message loop, with the WM_QUIT code; the result is the process exit code.
    virtual int Exit(int quitCode) { return quitCode; }
    // Runs once each time the queue runs empty after input; the default updates the main
    // frame's toolbar.
    virtual void OnIdle();

    // Takes the main frame object before its window is created, so that whatever the frame
    // does during creation can already reach it. The window's destruction ends the loop.
    CFrameWindow& SetMainWindow(std::unique_ptr<CFrameWindow> frame);

private:
    int RunMessageLoop();
    bool StartsIdleAgain(const MSG& message);

    HINSTANCE instance_ = nullptr;
    std::unique_ptr<CFrameWindow> mainWindow_;
    LPARAM lastMousePosition_ = -1;
};
