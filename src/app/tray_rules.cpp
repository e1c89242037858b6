// Retry waits for the tray icon and the hot-key rule; pure, tested natively.
#include "app/tray_rules.h"

namespace {

constexpr unsigned kRetryDelaysMs[] = {1000, 2000, 4000, 8000, 15000, 30000};

constexpr unsigned kHotKeyControl = 2;
constexpr unsigned kHotKeyAlt = 4;

bool IsCharacterKey(unsigned code) {
    return code == 0x20                       // blank
           || (code >= 0x30 && code <= 0x39)  // digits
           || (code >= 0x41 && code <= 0x5A)  // letters
           || (code >= 0x60 && code <= 0x6F)  // number pad
           || (code >= 0xBA && code <= 0xC0)  // punctuation
           || (code >= 0xDB && code <= 0xDF) || code == 0xE2;
}

}  // namespace

unsigned TrayRetryDelayMs(int attempt) {
    constexpr int kCount = static_cast<int>(sizeof kRetryDelaysMs / sizeof kRetryDelaysMs[0]);
    return attempt >= 1 && attempt <= kCount ? kRetryDelaysMs[attempt - 1] : 0;
}

bool IsAcceptableHotKey(unsigned keyCode, unsigned controlModifiers) {
    if (keyCode == 0) return true;
    if ((controlModifiers & (kHotKeyControl | kHotKeyAlt)) != 0) return true;
    return !IsCharacterKey(keyCode & 0xFF);
}
