// Base of a main frame: commands go to the frame, then to the application; menus and toolbar follow the update handlers.
#pragma once

#include <windows.h>

#include "framework/window.h"

class CFrameWindow : public CWindow {
public:
    // Asks the frame's update handlers, then the application's; the first that has one decides.
    // A command that neither carries out is greyed.
    void QueryCommandState(CommandState& state) override;

    // Accelerators translated for this window and every window inside it, once it exists. A
    // table loaded from resources needs no freeing; the caller keeps a created one alive.
    void UseAccelerators(HACCEL accelerators);
    // The toolbar whose buttons follow the update handlers whenever the program goes idle.
    void SetStateToolbar(HWND toolbar) { stateToolbar_ = toolbar; }
    // The idle pass over that toolbar; the application object calls it.
    void UpdateToolbarStates();

protected:
    CFrameWindow() = default;
    // Menu, accelerator and toolbar commands: the frame's table, then the application's. A
    // command its update handler disables runs nowhere.
    bool ExecuteCommand(unsigned id) override;

private:
    // When the main window is gone, the message loop ends.
    void WindowDetached() override;

    HWND stateToolbar_ = nullptr;
};
