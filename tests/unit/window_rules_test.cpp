// Pure rules of the window utilities: hot-key modifiers, text lookup, menu position, layered
// flags, the folder probe's path and file-dialog filters.
#include "ui/hotkey_modifiers.h"
#include "ui/text_lookup.h"
#include "ui/window_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ToRegisterModifiers, SwapsShiftAndAltKeepsControl) {
    EXPECT_EQ(ToRegisterModifiers(1), 4u);  // Shift
    EXPECT_EQ(ToRegisterModifiers(4), 1u);  // Alt
    EXPECT_EQ(ToRegisterModifiers(2), 2u);  // Control
    EXPECT_EQ(ToRegisterModifiers(7), 7u);
    EXPECT_EQ(ToRegisterModifiers(3), 6u);  // the default Ctrl+Shift
    EXPECT_EQ(ToRegisterModifiers(0), 0u);
}

TEST(ToRegisterModifiers, DropsOtherBits) {
    EXPECT_EQ(ToRegisterModifiers(8), 0u);  // extended key
    EXPECT_EQ(ToRegisterModifiers(0xFFFFFFF9u), 4u);
}

TEST(IndexOfText, FirstNonEmptyMatchIgnoringCase) {
    const std::vector<std::string> items{"", "English", "Deutsch", "english"};
    EXPECT_EQ(IndexOfText(items, "ENGLISH"), 1);
    EXPECT_EQ(IndexOfText(items, "deutsch"), 2);
    EXPECT_EQ(IndexOfText(items, "Français"), -1);
    EXPECT_EQ(IndexOfText(items, ""), -1);  // the empty entry is never a match
    EXPECT_EQ(IndexOfText({}, "English"), -1);
    EXPECT_EQ(IndexOfText(items, "Englis"), -1);
}

TEST(EqualsIgnoringCase, FoldsAsciiOnly) {
    EXPECT_TRUE(EqualsIgnoringCase("BUTTON", "Button"));
    EXPECT_TRUE(EqualsIgnoringCase("msctls_updown32", "MSCTLS_UPDOWN32"));
    EXPECT_FALSE(EqualsIgnoringCase("Button", "Buttons"));
    EXPECT_FALSE(EqualsIgnoringCase("[", "{"));  // 0x5B and 0x7B differ by the case bit only
    EXPECT_FALSE(EqualsIgnoringCase("\xC3\xA9", "\xC3\x89"));  // é and É stay distinct bytes
}

TEST(ContextMenuPoint, KeyboardRequestOpensBelowTheTopLeftCorner) {
    const PixelRect list{100, 200, 400, 500};
    EXPECT_EQ(ContextMenuPoint({-1, -1}, list, true), (PixelPoint{105, 205}));
    EXPECT_EQ(ContextMenuPoint({-1, -1}, list, false), (PixelPoint{105, 205}));
}

TEST(ContextMenuPoint, PointsOutsideAVisibleWindowOpenNothing) {
    const PixelRect list{100, 200, 400, 500};
    EXPECT_EQ(ContextMenuPoint({100, 200}, list, true), (PixelPoint{100, 200}));
    EXPECT_EQ(ContextMenuPoint({399, 499}, list, true), (PixelPoint{399, 499}));
    EXPECT_FALSE(ContextMenuPoint({400, 300}, list, true));  // right edge is outside
    EXPECT_FALSE(ContextMenuPoint({150, 500}, list, true));  // bottom edge is outside
    EXPECT_FALSE(ContextMenuPoint({99, 300}, list, true));
    // A hidden window (the tray's) takes the point as given.
    EXPECT_EQ(ContextMenuPoint({1200, 1000}, list, false), (PixelPoint{1200, 1000}));
}

TEST(LayeredFlagsForMode, ColourKeyAlphaOrBoth) {
    EXPECT_EQ(LayeredFlagsForMode(0), 1u);
    EXPECT_EQ(LayeredFlagsForMode(1), 2u);
    EXPECT_EQ(LayeredFlagsForMode(2), 3u);
    EXPECT_EQ(LayeredFlagsForMode(5), 3u);
    EXPECT_EQ(LayeredFlagsForMode(-1), 3u);
}

TEST(WritableTestFilePath, OneBackslashBetweenFolderAndName) {
    EXPECT_EQ(WritableTestFilePath("C:\\Temp"), "C:\\Temp\\$$xtemp$$.tmp");
    EXPECT_EQ(WritableTestFilePath("C:\\Temp\\"), "C:\\Temp\\$$xtemp$$.tmp");
    EXPECT_EQ(WritableTestFilePath("C:\\"), "C:\\$$xtemp$$.tmp");
    EXPECT_EQ(WritableTestFilePath(""), "");
}

TEST(FileDialogFilter, PairsBecomeZeroSeparated) {
    using namespace std::string_literals;
    EXPECT_EQ(FileDialogFilter("HTML|*.htm"), "HTML\0*.htm\0"s);
    EXPECT_EQ(FileDialogFilter("HTML|*.htm|Text|*.csv||"), "HTML\0*.htm\0Text\0*.csv\0"s);
    EXPECT_EQ(FileDialogFilter("All|*.*|"), "All\0*.*\0"s);
    EXPECT_EQ(FileDialogFilter(""), "");
    EXPECT_EQ(FileDialogFilter("|||"), "");
}

}  // namespace
