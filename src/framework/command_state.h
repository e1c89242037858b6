// The enabled and checked state one update handler decides for one command.
#pragma once

#include <optional>

// Handed to an update handler, which may enable/disable and check/uncheck the command. What
// the handler leaves unset the menu item or toolbar button keeps.
class CommandState {
public:
    explicit CommandState(unsigned id) : id_(id) {}

    unsigned Id() const { return id_; }
    void Enable(bool on = true) { enabled_ = on; }
    void Check(bool on = true) { checked_ = on; }

    std::optional<bool> Enabled() const { return enabled_; }
    std::optional<bool> Checked() const { return checked_; }

private:
    unsigned id_;
    std::optional<bool> enabled_;
    std::optional<bool> checked_;
};
