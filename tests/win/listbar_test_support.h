// A parent window of our own for the control tests: it reflects its children's notifications
// back to their objects and counts the sort-changed messages it gets.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/frame_window.h"
#include "framework/message_filters.h"
#include "framework/window.h"
#include "ui/sort_list_ctrl.h"

inline constexpr char kListBarTestClass[] = "KestrumListBarTestWindow";

// Commands and update rules of a small frame, as the main frame has them.
struct FrameSnapshot {
    bool selection = false;
    bool toolbarShown = true;
};

class CTestParent : public CFrameWindow {
public:
    int sortMessages = 0;
    std::function<void()> onSortChanged;
    std::vector<unsigned> commands;
    FrameSnapshot snapshot;

    bool Make(int width = 640, int height = 480) {
        RegisterWindowClass({.name = kListBarTestClass,
                             .cursor = ::LoadCursorA(nullptr, IDC_ARROW),
                             .background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
        return Create({.className = kListBarTestClass, .title = "Controls", .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                       .x = 10, .y = 10, .width = width, .height = height});
    }

protected:
    const MessageMap& Map() const override {
        static constexpr MessageEntry kMessages[] = {
            route::Message<kSortChangedMessage, &CTestParent::OnSortChanged>(),
        };
        static constexpr CommandEntry kCommands[] = {
            route::CommandRange<1, 65535, &CTestParent::OnCommand>(),
        };
        static constexpr UpdateEntry kUpdates[] = {
            route::Update<57601, &CTestParent::UpdateNeedsSelection>(),
            route::Update<32806, &CTestParent::UpdateNeedsSelection>(),
            route::Update<32805, &CTestParent::UpdateToolbarShown>(),
        };
        static constexpr MessageMap kMap{.messages = kMessages, .commands = kCommands, .updates = kUpdates};
        return kMap;
    }

private:
    LRESULT OnSortChanged() {
        ++sortMessages;
        if (onSortChanged) onSortChanged();
        return 0;
    }
    void OnCommand(unsigned id) { commands.push_back(id); }
    void UpdateNeedsSelection(CommandState& state) { state.Enable(snapshot.selection); }
    void UpdateToolbarShown(CommandState& state) { state.Check(snapshot.toolbarShown); }
};

// A left click at (x, y) of `window`'s client area, as the mouse would deliver it.
inline void ClickAt(HWND window, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    ::SendMessageA(window, WM_MOUSEMOVE, 0, at);
    ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(window, WM_LBUTTONUP, 0, at);
    PumpPendingMessages();
}
