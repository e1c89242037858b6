// The enabled and checked rules of the main window's commands.
#include "app/command_rules.h"

#include <iterator>

#include "resource.h"

namespace {

constexpr unsigned kSortCommands[] = {ID_SORT_NAME,     ID_SORT_FOLDER,  ID_SORT_SIZE,
                                      ID_SORT_ACCESSED, ID_SORT_CREATED, ID_SORT_MODIFIED};

CommandRule Enabled(bool on) { return {.enabled = on, .checked = std::nullopt}; }
CommandRule Checked(bool on) { return {.enabled = std::nullopt, .checked = on}; }

// The colour items exist only with visual styles; without them none is checked either.
CommandRule ColorItem(const CommandSnapshot& s, int scheme) {
    return {.enabled = s.themed, .checked = s.themed && EffectiveColorScheme(s.colorScheme, true) == scheme};
}

}  // namespace

std::optional<int> SortKeyOfCommand(unsigned command) {
    for (int key = 0; key < static_cast<int>(std::size(kSortCommands)); ++key) {
        if (kSortCommands[key] == command) return key;
    }
    return std::nullopt;
}

int EffectiveColorScheme(std::uint32_t stored, bool themed) {
    if (!themed) return 0;
    return stored <= 2 ? static_cast<int>(stored) : 1;
}

std::optional<CommandRule> RuleFor(unsigned command, const CommandSnapshot& s) {
    if (const auto key = SortKeyOfCommand(command)) return Checked(s.sortKey == static_cast<std::uint32_t>(*key));
    switch (command) {
        case ID_FILE_OPEN:
        case ID_FILE_COPY:
        case ID_FILE_MOVE:
        case ID_FILE_PRINT:
        case ID_FILE_DELETE: return Enabled(s.existingSelected);
        case ID_FILE_EXPLORE: return Enabled(s.anySelected);
        case ID_FILE_INFO: return Enabled(s.existingSelected && s.selectedRows == 1);
        case ID_FILE_SAVE_LIST:
        case ID_FILE_CLEAR_LIST: return Enabled(s.rowCount > 0);
        case ID_VIEW_TYPES_ALL: return Checked(s.typesAll);
        case ID_VIEW_TAB_TEXT: return CommandRule{.enabled = !s.typesAll, .checked = s.tabText};
        case ID_VIEW_DUPLICATES: return Checked(s.duplicates);
        case ID_VIEW_DELETED: return Checked(s.deleted);
        case ID_VIEW_SWITCH_FILTER:
            return CommandRule{.enabled = s.filterPane, .checked = s.focus == FocusPlace::FilterPane};
        case ID_VIEW_SWITCH_LIST: return Checked(s.focus == FocusPlace::FilesPane);
        case ID_VIEW_FILTER: return Checked(s.filterPane);
        case ID_VIEW_STATUSBAR: return Checked(s.statusBar);
        case ID_VIEW_TOOLBAR: return Checked(s.toolBar);
        case ID_VIEW_LARGE_ICONS: return Checked(s.largeIcons);
        case ID_VIEW_COLORS_ORIGINAL: return ColorItem(s, 2);
        case ID_VIEW_COLORS_MODERN: return ColorItem(s, 1);
        case ID_VIEW_COLORS_CLASSIC: return ColorItem(s, 0);
        // Hide (32829) and Info (32830) lie inside the popup's range but are the frame's own.
        case ID_POPUP_OPEN:
        case ID_POPUP_EXPLORE:
        case ID_POPUP_COPY:
        case ID_POPUP_MOVE:
        case ID_POPUP_PRINT:
        case ID_POPUP_DELETE: return Enabled(s.popupExists && s.popupSelectedRows > 0);
        case ID_POPUP_INFO: return Enabled(s.popupExists && s.popupSelectedRows == 1);
        default: return std::nullopt;
    }
}
