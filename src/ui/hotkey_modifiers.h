// Converting hot-key modifiers from the hot-key control's form to that of hot-key registration.
#pragma once

// Hot-key control: Shift 1, Control 2, Alt 4 (8, the extended-key flag, is dropped).
// Registration: Alt 1, Control 2, Shift 4. Bits 0 and 2 are exchanged, bit 1 kept.
unsigned ToRegisterModifiers(unsigned controlFlags);
