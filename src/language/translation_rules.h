// What the translator touches: translatable texts, controls, menu keys and shortcut suffixes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// False for an empty text and for one made only of digits, tab, blank, & _ - % > < . , ? ! + ; :
// and the em dash (the Windows-1252 byte 0x97 or its UTF-8 form). Such texts ("...", "0 %") are
// never translated.
bool IsTranslatableText(std::string_view text);

// A text split into the part a translator sees and a suffix that is kept as it is.
struct TextAndSuffix {
    std::string text;
    std::string suffix;
};
// "Save List (Ctrl+S)" -> "Save List" + " (Ctrl+S)"; split at the first " (".
TextAndSuffix SplitToolTipText(std::string_view tip);
// "&Open\tEnter" -> "&Open" + "\tEnter"; split at the first tab.
TextAndSuffix SplitMenuItemText(std::string_view item);

enum class ControlKind { Text, ListView, ComboBox, ListBox, TabControl, UpDown, Other };
// By window class name, case ignored: "Button" and "Static" carry a text of their own.
ControlKind ControlKindOf(std::string_view className);

// A control's user data marks it as excluded from translation when it is non-zero.
inline constexpr std::intptr_t kExclusionMark = 1;
constexpr bool CarriesExclusionMark(std::intptr_t userData) { return userData != 0; }

struct ControlFacts {
    int id = 0;
    ControlKind kind = ControlKind::Other;
    std::string_view text;  // the window text
    std::intptr_t userData = 0;
};
// Whether a dialog's child control is translated at all.
bool ShouldTranslateControl(const ControlFacts& control);

struct MenuItemKey {
    std::string_view prefix;
    int number = 0;
};
// The key of a menu item. An item that opens a sub-menu is keyed by the sub-menu's first
// command ("Sub" + ID_<first>), and has no key when that first item is a separator (0) or a
// sub-menu (-1). firstSubItemId is ignored for plain items.
std::optional<MenuItemKey> KeyOfMenuItem(bool opensSubMenu, int commandId, int firstSubItemId);
