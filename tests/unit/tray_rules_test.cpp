// Retry waits for a refused tray icon and which keys may become system-wide hot keys.
#include "app/tray_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayRules, RetriesWaitLongerEachTimeThenStop) {
    unsigned previous = 0;
    int attempt = 1;
    for (; TrayRetryDelayMs(attempt) != 0; ++attempt) {
        EXPECT_GT(TrayRetryDelayMs(attempt), previous) << attempt;
        previous = TrayRetryDelayMs(attempt);
    }
    EXPECT_GE(attempt, 4) << "a shell that starts slowly gets several chances";
    EXPECT_LE(attempt, 10) << "a shell that never answers is not asked for ever";
    EXPECT_EQ(TrayRetryDelayMs(0), 0u);
    EXPECT_EQ(TrayRetryDelayMs(-1), 0u);
}

TEST(TrayRules, CharacterKeysNeedControlOrAlt) {
    constexpr unsigned kShift = 1, kControl = 2, kAlt = 4;
    struct Case {
        unsigned key;
        unsigned modifiers;
        bool accepted;
    };
    const Case cases[] = {
        {0, 0, true},                  // no key: only unregisters
        {'U', kControl | kShift, true},
        {'U', kAlt, true},
        {'U', 0, false},
        {'U', kShift, false},          // Shift+U is just a capital U
        {'7', 0, false},
        {' ', kShift, false},
        {0x60, 0, false},              // number pad 0
        {0xBA, 0, false},              // ;:
        {0xDE, kShift, false},         // '"
        {0x70, 0, true},               // F1 types nothing
        {0x7B, kShift, true},          // Shift+F12
        {0x2D, 0, true},               // Insert
        {0x2E, 0x8, true},             // Delete with the extended flag
        {'M', kControl | 0x8, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsAcceptableHotKey(c.key, c.modifiers), c.accepted) << c.key << " " << c.modifiers;
    }
}

}  // namespace
