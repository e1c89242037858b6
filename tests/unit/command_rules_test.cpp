// The enabled and checked rules of the main window's commands.
#include "app/command_rules.h"

#include <gtest/gtest.h>

#include "resource.h"

namespace {

constexpr unsigned kDocumentCommands[] = {ID_FILE_OPEN, ID_FILE_COPY, ID_FILE_MOVE, ID_FILE_PRINT, ID_FILE_DELETE};
constexpr unsigned kSortCommands[] = {ID_SORT_NAME,     ID_SORT_FOLDER,  ID_SORT_SIZE,
                                      ID_SORT_ACCESSED, ID_SORT_CREATED, ID_SORT_MODIFIED};
constexpr unsigned kColorCommands[] = {ID_VIEW_COLORS_CLASSIC, ID_VIEW_COLORS_MODERN, ID_VIEW_COLORS_ORIGINAL};

bool IsEnabled(unsigned command, const CommandSnapshot& s) {
    const auto rule = RuleFor(command, s);
    return rule && rule->enabled.value_or(true);
}
bool IsChecked(unsigned command, const CommandSnapshot& s) {
    const auto rule = RuleFor(command, s);
    return rule && rule->checked.value_or(false);
}

TEST(CommandRules, NothingSelectedDisablesEveryDocumentCommand) {
    const CommandSnapshot s{.existingSelected = false, .anySelected = false, .selectedRows = 0, .rowCount = 5};
    for (unsigned command : kDocumentCommands) EXPECT_FALSE(IsEnabled(command, s)) << command;
    EXPECT_FALSE(IsEnabled(ID_FILE_EXPLORE, s));
    EXPECT_FALSE(IsEnabled(ID_FILE_INFO, s));
}

TEST(CommandRules, OnlyMissingDocumentsSelectedLeavesExploreAlone) {
    const CommandSnapshot s{.existingSelected = false, .anySelected = true, .selectedRows = 1, .rowCount = 5};
    for (unsigned command : kDocumentCommands) EXPECT_FALSE(IsEnabled(command, s)) << command;
    EXPECT_TRUE(IsEnabled(ID_FILE_EXPLORE, s));
    EXPECT_FALSE(IsEnabled(ID_FILE_INFO, s));
}

TEST(CommandRules, InfoWantsExactlyOneRowOfAnExistingDocument) {
    CommandSnapshot s{.existingSelected = true, .anySelected = true, .selectedRows = 1, .rowCount = 5};
    EXPECT_TRUE(IsEnabled(ID_FILE_INFO, s));
    for (unsigned command : kDocumentCommands) EXPECT_TRUE(IsEnabled(command, s)) << command;
    // Two rows of the same document are still two rows.
    s.selectedRows = 2;
    EXPECT_FALSE(IsEnabled(ID_FILE_INFO, s));
    EXPECT_TRUE(IsEnabled(ID_FILE_OPEN, s));
}

TEST(CommandRules, ListCommandsNeedARow) {
    CommandSnapshot s{.rowCount = 0};
    EXPECT_FALSE(IsEnabled(ID_FILE_SAVE_LIST, s));
    EXPECT_FALSE(IsEnabled(ID_FILE_CLEAR_LIST, s));
    s.rowCount = 1;
    EXPECT_TRUE(IsEnabled(ID_FILE_SAVE_LIST, s));
    EXPECT_TRUE(IsEnabled(ID_FILE_CLEAR_LIST, s));
    // Nothing is checked by these rules.
    EXPECT_FALSE(RuleFor(ID_FILE_SAVE_LIST, s)->checked.has_value());
}

TEST(CommandRules, ViewTogglesAreCheckedByTheirSettings) {
    CommandSnapshot off{.typesAll = false, .tabText = false, .duplicates = false, .deleted = false,
                        .filterPane = false, .statusBar = false, .toolBar = false, .largeIcons = false};
    CommandSnapshot on{.typesAll = true, .tabText = true, .duplicates = true, .deleted = true,
                       .filterPane = true, .statusBar = true, .toolBar = true, .largeIcons = true};
    for (unsigned command : {ID_VIEW_TYPES_ALL, ID_VIEW_DUPLICATES, ID_VIEW_DELETED, ID_VIEW_FILTER,
                             ID_VIEW_STATUSBAR, ID_VIEW_TOOLBAR, ID_VIEW_LARGE_ICONS, ID_VIEW_TAB_TEXT}) {
        EXPECT_FALSE(IsChecked(command, off)) << command;
        EXPECT_TRUE(IsChecked(command, on)) << command;
    }
    for (unsigned command : {ID_VIEW_TYPES_ALL, ID_VIEW_DUPLICATES, ID_VIEW_DELETED, ID_VIEW_FILTER,
                             ID_VIEW_STATUSBAR, ID_VIEW_TOOLBAR, ID_VIEW_LARGE_ICONS}) {
        EXPECT_TRUE(IsEnabled(command, off)) << command;
    }
}

TEST(CommandRules, TextLabelsAreDisabledWhileAllTypesAreListedTogether) {
    EXPECT_FALSE(IsEnabled(ID_VIEW_TAB_TEXT, {.typesAll = true, .tabText = true}));
    EXPECT_TRUE(IsChecked(ID_VIEW_TAB_TEXT, {.typesAll = true, .tabText = true}));
    EXPECT_TRUE(IsEnabled(ID_VIEW_TAB_TEXT, {.typesAll = false}));
}

TEST(CommandRules, SwitchToFollowsTheFocusAndTheFilterPane) {
    CommandSnapshot s{.filterPane = false, .focus = FocusPlace::FilterPane};
    EXPECT_FALSE(IsEnabled(ID_VIEW_SWITCH_FILTER, s));
    s.filterPane = true;
    EXPECT_TRUE(IsEnabled(ID_VIEW_SWITCH_FILTER, s));
    EXPECT_TRUE(IsChecked(ID_VIEW_SWITCH_FILTER, s));
    EXPECT_FALSE(IsChecked(ID_VIEW_SWITCH_LIST, s));
    s.focus = FocusPlace::FilesPane;
    EXPECT_FALSE(IsChecked(ID_VIEW_SWITCH_FILTER, s));
    EXPECT_TRUE(IsChecked(ID_VIEW_SWITCH_LIST, s));
    s.filterPane = false;
    EXPECT_TRUE(IsEnabled(ID_VIEW_SWITCH_LIST, s));
    s.focus = FocusPlace::Elsewhere;
    EXPECT_FALSE(IsChecked(ID_VIEW_SWITCH_LIST, s));
}

TEST(CommandRules, ColourSchemesExistOnlyWithVisualStyles) {
    for (std::uint32_t stored = 0; stored <= 2; ++stored) {
        const CommandSnapshot themed{.colorScheme = stored, .themed = true};
        const CommandSnapshot plain{.colorScheme = stored, .themed = false};
        for (std::uint32_t scheme = 0; scheme <= 2; ++scheme) {
            const unsigned command = kColorCommands[scheme];
            EXPECT_TRUE(IsEnabled(command, themed));
            EXPECT_EQ(IsChecked(command, themed), scheme == stored) << stored << " " << command;
            EXPECT_FALSE(IsEnabled(command, plain));
            EXPECT_FALSE(IsChecked(command, plain));
        }
    }
}

TEST(CommandRules, ADamagedSchemeValueChecksModern) {
    const CommandSnapshot s{.colorScheme = 9, .themed = true};
    EXPECT_TRUE(IsChecked(ID_VIEW_COLORS_MODERN, s));
    EXPECT_FALSE(IsChecked(ID_VIEW_COLORS_CLASSIC, s));
    EXPECT_EQ(EffectiveColorScheme(9, true), 1);
    EXPECT_EQ(EffectiveColorScheme(2, true), 2);
    EXPECT_EQ(EffectiveColorScheme(2, false), 0);
}

TEST(CommandRules, SortByChecksTheStoredKeyOnly) {
    for (std::uint32_t key = 0; key < 6; ++key) {
        const CommandSnapshot s{.sortKey = key};
        for (int index = 0; index < 6; ++index) {
            EXPECT_EQ(IsChecked(kSortCommands[index], s), static_cast<std::uint32_t>(index) == key);
            EXPECT_TRUE(IsEnabled(kSortCommands[index], s));
        }
    }
    // A stored key out of range checks none.
    for (unsigned command : kSortCommands) EXPECT_FALSE(IsChecked(command, {.sortKey = 6}));
}

TEST(CommandRules, SortKeysOfTheSortCommands) {
    for (int key = 0; key < 6; ++key) EXPECT_EQ(SortKeyOfCommand(kSortCommands[key]), key);
    EXPECT_FALSE(SortKeyOfCommand(ID_FILE_OPEN).has_value());
}

TEST(CommandRules, CommandsWithoutARowAreLeftToOthers) {
    for (unsigned command : {ID_SERVICE_OPTIONS, ID_SERVICE_PASSWORD, ID_HELP_ABOUT, ID_FILE_EXIT, ID_FILE_HIDE,
                             ID_TRAY_OPEN, ID_MAKER_WEB_ADDRESS}) {
        EXPECT_FALSE(RuleFor(command, {}).has_value()) << command;
    }
}

TEST(CommandRules, PopupCommandsFollowThePopupsSelectionAndLeaveHideAndInfoToTheFrame) {
    constexpr unsigned kPopupMany[] = {ID_POPUP_OPEN,  ID_POPUP_EXPLORE, ID_POPUP_COPY,
                                       ID_POPUP_MOVE,  ID_POPUP_PRINT,   ID_POPUP_DELETE};
    struct Case {
        bool exists;
        int rows;
        bool many, info;
    };
    const Case cases[] = {
        {false, 0, false, false},
        {false, 1, false, false},  // a selection of a popup that is gone counts for nothing
        {true, 0, false, false},
        {true, 1, true, true},
        {true, 2, true, false},
    };
    for (const Case& c : cases) {
        const CommandSnapshot s{.popupExists = c.exists, .popupSelectedRows = c.rows};
        for (unsigned command : kPopupMany) EXPECT_EQ(IsEnabled(command, s), c.many) << command << " " << c.rows;
        EXPECT_EQ(IsEnabled(ID_POPUP_INFO, s), c.info) << c.rows;
    }
    // Hide and Info of the main window share the popup's number range but not its rules.
    const CommandSnapshot none{.popupExists = false};
    EXPECT_FALSE(RuleFor(ID_FILE_HIDE, none).has_value());
    EXPECT_TRUE(IsEnabled(ID_FILE_INFO, CommandSnapshot{.existingSelected = true, .selectedRows = 1}));
}

}  // namespace
