// When the main window's commands are enabled and checked: pure functions of what the frame saw.
#pragma once

#include <cstdint>
#include <optional>

// Where the keyboard focus is, as far as the Switch To commands care.
enum class FocusPlace { Elsewhere, FilterPane, FilesPane };

// Everything the rules read, gathered by the frame when a menu opens or the program goes idle.
struct CommandSnapshot {
    bool existingSelected = false;  // a selected row names a document that exists
    bool anySelected = false;       // a selected row names a document, existing or not
    int selectedRows = 0;           // list rows selected (duplicate rows of one path count each)
    int rowCount = 0;
    // View settings, as stored.
    bool typesAll = false;
    bool tabText = true;
    bool duplicates = true;
    bool deleted = true;
    bool filterPane = true;
    bool statusBar = true;
    bool toolBar = true;
    bool largeIcons = true;
    std::uint32_t colorScheme = 1;  // ViewInterfaceColors: 0 Classic, 1 Modern, 2 Original
    std::uint32_t sortKey = 0;      // FilesSort
    bool themed = true;             // visual styles are active
    FocusPlace focus = FocusPlace::Elsewhere;
    // The recent-documents popup.
    bool popupExists = false;
    int popupSelectedRows = 0;
};

// What one rule decides; an empty field leaves the item as it is.
struct CommandRule {
    std::optional<bool> enabled;
    std::optional<bool> checked;
    friend bool operator==(const CommandRule&, const CommandRule&) = default;
};

// The rule of a main-window command, or nothing for a command the frame has no rule for
// (always enabled, never checked, unless another handler decides).
std::optional<CommandRule> RuleFor(unsigned command, const CommandSnapshot& snapshot);

// The sort key (0 Name ... 5 Modified) of a Sort By command, or nothing.
std::optional<int> SortKeyOfCommand(unsigned command);

// The colour scheme in use: a stored value outside 0-2 counts as the default, Modern; without
// visual styles only Classic exists.
int EffectiveColorScheme(std::uint32_t stored, bool themed);
