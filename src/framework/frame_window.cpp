// Command routing through the frame and the application object.
#include "framework/frame_window.h"

#include <array>

#include "framework/application.h"
#include "framework/command_routing.h"
#include "framework/command_ui.h"
#include "framework/message_filters.h"

namespace {

std::array<CommandTarget*, 2> Route(CFrameWindow& frame) { return {&frame, CApplicationBase::Current()}; }

}  // namespace

void CFrameWindow::QueryCommandState(CommandState& state) { RouteCommandState(Route(*this), state); }

bool CFrameWindow::ExecuteCommand(unsigned id) {
    // A disabled command counts as handled: it must not reach the default procedure either.
    return RouteCommand(Route(*this), id) != CommandRoute::Unhandled;
}

void CFrameWindow::UseAccelerators(HACCEL accelerators) {
    if (IsAlive()) SetAccelerators(hwnd(), accelerators);
}

void CFrameWindow::UpdateToolbarStates() {
    // Nobody sees the buttons of a hidden window; showing it starts another idle pass.
    if (!IsAlive() || !::IsWindowVisible(hwnd()) || !::IsWindow(stateToolbar_)) return;
    ApplyToolbarCommandStates(stateToolbar_, [this](CommandState& state) { QueryCommandState(state); });
}

void CFrameWindow::WindowDetached() {
    stateToolbar_ = nullptr;
    const CApplicationBase* application = CApplicationBase::Current();
    if (application != nullptr && application->IsMainWindow(this)) ::PostQuitMessage(0);
}
