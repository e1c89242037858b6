// The settings table keeps every value name, kind and default the registry branch relies on.
#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct NumberCase {
    Setting id;
    const char* name;
    std::uint32_t value;
};

class NumberDefaults : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberDefaults, NameKindAndDefault) {
    const NumberCase& c = GetParam();
    const SettingInfo* info = FindSetting(c.id);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->name, c.name);
    EXPECT_EQ(info->kind, SettingKind::Number);
    EXPECT_EQ(info->numberDefault, c.value);
}

using enum Setting;

INSTANTIATE_TEST_SUITE_P(
    Table, NumberDefaults,
    testing::Values(NumberCase{ViewTypesAll, "ViewTypesAll", 0}, NumberCase{ViewDuplicates, "ViewDuplicates", 1},
                    NumberCase{ViewDeleted, "ViewDeleted", 1}, NumberCase{ViewFilter, "ViewFilter", 1},
                    NumberCase{ViewToolbar, "ViewToolbar", 1}, NumberCase{ViewStatusbar, "ViewStatusbar", 1},
                    NumberCase{ViewInterfaceColors, "ViewInterfaceColors", 1}, NumberCase{ViewLarge, "ViewLarge", 1},
                    NumberCase{ViewTabText, "ViewTabText", 1}, NumberCase{FilterType, "FilterType", 1},
                    NumberCase{FilterLast, "FilterLast", 1}, NumberCase{FileOverwrite, "FileOverwrite", 0},
                    NumberCase{FileOpen, "FileOpen", 1}, NumberCase{FilesSort, "FilesSort", 0},
                    NumberCase{FilesSortAsc, "FilesSortAsc", 1}, NumberCase{TrayTransp, "TrayTransp", 100},
                    NumberCase{Autoload, "Autoload", 1}, NumberCase{Minimized, "Minimized", 1},
                    NumberCase{TrayAnim, "TrayAnim", 1}, NumberCase{Tray, "Tray", 1},
                    NumberCase{TipDays, "TipDays", 3}, NumberCase{ShowMainVKey, "ShowMainVKey", 77},
                    NumberCase{ShowMainMod, "ShowMainMod", 3}, NumberCase{ShowTipVKey, "ShowTipVKey", 85},
                    NumberCase{ShowTipMod, "ShowTipMod", 3}, NumberCase{PassMask, "PassMask", 1},
                    NumberCase{PassLaunch, "PassLaunch", 1}, NumberCase{MainShow, "MainShow", 1},
                    NumberCase{TrayOpen, "TrayOpen", 1}, NumberCase{ColWidth0, "ColWidth0", 200},
                    NumberCase{ColWidth1, "ColWidth1", 300}, NumberCase{ColWidth2, "ColWidth2", 80},
                    NumberCase{ColWidth3, "ColWidth3", 160}, NumberCase{ColWidth4, "ColWidth4", 160},
                    NumberCase{ColWidth5, "ColWidth5", 160}, NumberCase{HideMessage, "HideMessage", 0},
                    NumberCase{ShowIntro, "ShowIntro", 1}));

TEST(SettingsTable, TextSettingsAndTheirDefaults) {
    const struct {
        Setting id;
        const char* name;
        const char* value;
    } texts[] = {{FilterFrom, "FilterFrom", ""}, {FilterTo, "FilterTo", ""}, {Lang, "Lang", "english"}, {Pass, "Pass", ""}};
    for (const auto& t : texts) {
        const SettingInfo* info = FindSetting(t.id);
        ASSERT_NE(info, nullptr) << t.name;
        EXPECT_EQ(info->name, t.name);
        EXPECT_EQ(info->kind, SettingKind::Text) << t.name;
        EXPECT_EQ(info->textDefault, t.value) << t.name;
    }
}

TEST(SettingsTable, HoldsEachValueNameOnce) {
    std::set<std::string> names;
    for (const SettingInfo& info : AllSettings()) {
        EXPECT_TRUE(names.insert(std::string(info.name)).second) << info.name;
        EXPECT_EQ(FindSetting(info.id), &info);
    }
    EXPECT_EQ(names.size(), 41u);  // 37 numbers and 4 texts
}

TEST(SettingsTable, IdentifiersOutsideTheTableAreUnknown) {
    EXPECT_EQ(FindSetting(static_cast<Setting>(-1)), nullptr);
    EXPECT_EQ(FindSetting(static_cast<Setting>(AllSettings().size())), nullptr);
    EXPECT_EQ(FindSetting(static_cast<Setting>(100000)), nullptr);
}

TEST(SettingsTable, ColumnWidthsFollowTheColumns) {
    EXPECT_EQ(ColumnWidthSetting(0), ColWidth0);
    EXPECT_EQ(ColumnWidthSetting(5), ColWidth5);
    EXPECT_EQ(FindSetting(ColumnWidthSetting(6)), nullptr);
    EXPECT_EQ(FindSetting(ColumnWidthSetting(-1)), nullptr);
}

TEST(SettingsTable, ListItemsCountFromZero) {
    EXPECT_EQ(ListItemName(0), "Item0");
    EXPECT_EQ(ListItemName(9), "Item9");
    EXPECT_EQ(ListItemName(12), "Item12");
}

}  // namespace

namespace {

TEST(AutorunCommand, QuotesAPathWithBlanks) {
    EXPECT_EQ(AutorunCommand("C:\\Tools\\Kestrum.exe"), "C:\\Tools\\Kestrum.exe");
    EXPECT_EQ(AutorunCommand("C:\\Program Files\\Kestrum\\Kestrum.exe"),
              "\"C:\\Program Files\\Kestrum\\Kestrum.exe\"");
    EXPECT_EQ(AutorunCommand(""), "");
}

}  // namespace
