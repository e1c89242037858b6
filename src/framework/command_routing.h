// The order in which commands and their states are offered to targets: the frame, then the application.
#pragma once

#include <span>

#include "framework/handler_map.h"

enum class CommandRoute { Handled, Disabled, Unhandled };

// The first target with an update handler for the command decides its state; later ones are
// not asked. Null targets are skipped. False when no target has an update handler.
inline bool RouteCommandState(std::span<CommandTarget* const> targets, CommandState& state) {
    for (CommandTarget* target : targets) {
        if (target != nullptr && target->UpdateCommand(state)) return true;
    }
    return false;
}

// Whether any target carries the command out.
inline bool AnyTargetHandles(std::span<CommandTarget* const> targets, unsigned id) {
    for (const CommandTarget* target : targets) {
        if (target != nullptr && target->HasCommandHandler(id)) return true;
    }
    return false;
}

// The state a menu item or button shows: the first update handler's, greyed whatever it says
// when no target carries the command out, since an enabled item that does nothing looks broken.
inline void RouteShownCommandState(std::span<CommandTarget* const> targets, CommandState& state) {
    RouteCommandState(targets, state);
    if (!AnyTargetHandles(targets, state.Id())) state.Enable(false);
}

// Offers a command to the targets in order; the first with a handler runs it and no later one
// sees it. A command whose update handler disables it runs nowhere: an accelerator or a stale
// toolbar button must not do what the menu shows greyed out.
inline CommandRoute RouteCommand(std::span<CommandTarget* const> targets, unsigned id) {
    CommandState state(id);
    if (RouteCommandState(targets, state) && state.Enabled() == false) return CommandRoute::Disabled;
    for (CommandTarget* target : targets) {
        if (target != nullptr && target->HandleCommand(id)) return CommandRoute::Handled;
    }
    return CommandRoute::Unhandled;
}
