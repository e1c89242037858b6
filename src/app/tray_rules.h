// When the frame asks the shell again for its tray icon, and which hot keys it accepts.
#pragma once

// The wait before retry `attempt` (1, 2, ...) of an icon add the shell refused, in ms; 0 once
// it is time to give up. The shell refuses while it is still starting after log-on, so the
// waits grow and stop after about a minute.
unsigned TrayRetryDelayMs(int attempt);

// Whether a key (virtual-key code) with hot-key-control modifiers (shift 1, control 2, alt 4)
// may become a system-wide hot key. Code 0 (no key) is accepted: it only unregisters. A
// character key (letter, digit, blank, punctuation, number pad) without Control or Alt is
// refused: registered system-wide it would swallow that character in every program.
bool IsAcceptableHotKey(unsigned keyCode, unsigned controlModifiers);
