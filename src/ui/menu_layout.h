// The arithmetic of owner-drawn menu items: label and accelerator columns, item sizes, where the
// text, check mark and background go, and keyboard mnemonics. Text widths come from the caller.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct MenuTextParts {
    std::string_view label;        // before the first tab (all of it without a tab)
    std::string_view accelerator;  // after the first tab; empty without one
    bool hasTab = false;
};
MenuTextParts SplitMenuText(std::string_view text);

// The text as shown: "&&" becomes "&", any other "&" (the mnemonic marker) disappears.
std::string StripMnemonicMarkers(std::string_view text);

// The mnemonic letter of a text (the character after a single "&"), or 0.
char MnemonicOf(std::string_view text);

// Index of the item whose mnemonic is `key` (case-insensitive for ASCII letters), -1 when none;
// `unique` tells whether no other item has the same mnemonic.
struct MnemonicMatch {
    int index = -1;
    bool unique = false;
};
MnemonicMatch FindMnemonic(const std::vector<std::string>& texts, char key);

// Width in pixels of a text drawn in the normal or bold menu font.
using MenuTextMeasure = std::function<int(std::string_view text, bool bold)>;

struct MenuPopupItem {
    std::string text;
    bool isDefault = false;  // drawn (and so measured) in bold
};

// The lengths of owner-drawn menu items at one DPI: the 96-dpi design scaled.
struct MenuMetrics {
    int itemHeight = 22;
    int separatorHeight = 3;
    int iconColumnWidth = 23;
    int iconLeft = 4;  // the icon's corner in the item
    int iconTop = 4;
    int iconSize = 16;
    int popupTextLeft = 31;  // also where the separator line starts
    int menuBarTextLeft = 8;
    int commandExtraWidth = 37;  // icon column, gaps and the sub-menu arrow's room
    int subMenuExtraWidth = 8;
    int acceleratorGap = 10;
    int checkBoxWidth = 20;
    friend bool operator==(const MenuMetrics&, const MenuMetrics&) = default;
};
inline constexpr MenuMetrics kDesignMenuMetrics{};
MenuMetrics MenuMetricsAt(int dpi);

struct MenuPopupWidths {
    int labelWidth = 0;          // widest label, plus the accelerator column when there is one
    int acceleratorColumn = 0;   // accelerator start, from the label start; 0 without accelerators
};
MenuPopupWidths MeasurePopupWidths(const std::vector<MenuPopupItem>& items, const MenuTextMeasure& measure,
                                   const MenuMetrics& metrics = kDesignMenuMetrics);

enum class MenuItemKind { Separator, SubMenu, Command };
// Identifier 0 is a separator; -1, 0xFFFF or anything above (a menu handle) opens a sub-menu.
MenuItemKind MenuItemKindOf(unsigned long long identifier);

struct MenuItemSize {
    int width = 0;  // 0 for a separator: the system's width stands
    int height = 0;
};
// `plainTextWidth` is the width of the item's text without mnemonic markers; sub-menu items and
// every item on the menu bar (`topLevel`) are sized by it, other commands by the popup's columns.
MenuItemSize MeasureMenuItem(MenuItemKind kind, int plainTextWidth, const MenuPopupWidths& popup,
                             bool topLevel = false, const MenuMetrics& metrics = kDesignMenuMetrics);

struct MenuRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const MenuRect&) const = default;
};

// Where the text goes in an item of the given size, relative to the item.
struct MenuTextBoxes {
    MenuRect label;        // the label, or the whole text without a tab
    MenuRect accelerator;  // empty without a tab
};
MenuTextBoxes LayoutMenuText(bool topLevel, bool hasTab, const MenuPopupWidths& popup, int width, int height,
                             const MenuMetrics& metrics = kDesignMenuMetrics);

// The check-mark box of a checked item, and where the check image of the given size goes.
MenuRect MenuCheckBox(int height, const MenuMetrics& metrics = kDesignMenuMetrics);
struct MenuPoint {
    int x = 0, y = 0;
    bool operator==(const MenuPoint&) const = default;
};
MenuPoint MenuCheckImageOrigin(int imageWidth, int imageHeight, const MenuRect& box);

enum class MenuBackground {
    Highlight,           // element 1 over the whole item
    MenuBar,             // element 6 over the whole item
    IconColumnAndPlain,  // element 4 over the icon column, element 0 right of it
};
MenuBackground MenuBackgroundOf(bool selected, bool greyed, bool hot, bool topLevel);
