// The two forms of hot-key modifiers differ only in where Shift and Alt sit.
#include "ui/hotkey_modifiers.h"

unsigned ToRegisterModifiers(unsigned controlFlags) {
    const unsigned shift = controlFlags & 1u;
    const unsigned control = controlFlags & 2u;
    const unsigned alt = controlFlags & 4u;
    return (shift << 2) | control | (alt >> 2);
}
