// The settings table: every value name with its kind and its default.
#include "settings/settings_table.h"

#include <array>

namespace {

constexpr SettingInfo Number(Setting id, std::string_view name, std::uint32_t value) {
    return {id, name, SettingKind::Number, value, {}};
}
constexpr SettingInfo Text(Setting id, std::string_view name, std::string_view value) {
    return {id, name, SettingKind::Text, 0, value};
}

using enum Setting;

constexpr std::array kSettings{
    Number(ViewTypesAll, "ViewTypesAll", 0),
    Number(ViewDuplicates, "ViewDuplicates", 1),
    Number(ViewDeleted, "ViewDeleted", 1),
    Number(ViewFilter, "ViewFilter", 1),
    Number(ViewToolbar, "ViewToolbar", 1),
    Number(ViewStatusbar, "ViewStatusbar", 1),
    Number(ViewInterfaceColors, "ViewInterfaceColors", 1),
    Number(ViewLarge, "ViewLarge", 1),
    Number(ViewTabText, "ViewTabText", 1),
    Number(FilterType, "FilterType", 1),
    Number(FilterLast, "FilterLast", 1),
    Number(FileOverwrite, "FileOverwrite", 0),
    Number(FileOpen, "FileOpen", 1),
    Number(FilesSort, "FilesSort", 0),
    Number(FilesSortAsc, "FilesSortAsc", 1),
    Number(TrayTransp, "TrayTransp", 100),
    Number(Autoload, "Autoload", 1),
    Number(Minimized, "Minimized", 1),
    Number(TrayAnim, "TrayAnim", 1),
    Number(Tray, "Tray", 1),
    Number(TipDays, "TipDays", 3),
    Number(ShowMainVKey, "ShowMainVKey", 77),  // 'M'
    Number(ShowMainMod, "ShowMainMod", 3),     // Ctrl+Shift in the hot-key control's form
    Number(ShowTipVKey, "ShowTipVKey", 85),    // 'U'
    Number(ShowTipMod, "ShowTipMod", 3),
    Number(PassMask, "PassMask", 1),
    Number(PassLaunch, "PassLaunch", 1),
    Number(MainShow, "MainShow", 1),
    Number(TrayOpen, "TrayOpen", 1),
    Number(ColWidth0, "ColWidth0", 200),
    Number(ColWidth1, "ColWidth1", 300),
    Number(ColWidth2, "ColWidth2", 80),
    Number(ColWidth3, "ColWidth3", 160),
    Number(ColWidth4, "ColWidth4", 160),
    Number(ColWidth5, "ColWidth5", 160),
    Number(HideMessage, "HideMessage", 0),
    Number(ShowIntro, "ShowIntro", 1),
    Text(FilterFrom, "FilterFrom", ""),
    Text(FilterTo, "FilterTo", ""),
    Text(Lang, "Lang", "english"),
    Text(Pass, "Pass", ""),
};

// FindSetting indexes the table by identifier, so the order must follow the enumeration.
constexpr bool InEnumerationOrder() {
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (static_cast<std::size_t>(kSettings[i].id) != i) return false;
    }
    return true;
}
static_assert(InEnumerationOrder());
static_assert(kSettings.back().id == Pass);

}  // namespace

std::span<const SettingInfo> AllSettings() { return kSettings; }

const SettingInfo* FindSetting(Setting setting) {
    const auto index = static_cast<std::size_t>(setting);
    if (static_cast<int>(setting) < 0 || index >= kSettings.size()) return nullptr;
    return &kSettings[index];
}

Setting ColumnWidthSetting(int column) {
    if (column < 0 || column > 5) return static_cast<Setting>(-1);
    return static_cast<Setting>(static_cast<int>(ColWidth0) + column);
}

std::string ListItemName(std::size_t index) { return "Item" + std::to_string(index); }

std::string AutorunCommand(std::string_view programPath) {
    // Unquoted, "C:\Program Files\Kestrum\Kestrum.exe" would make the system try
    // "C:\Program.exe" first.
    if (programPath.find(' ') == std::string_view::npos) return std::string(programPath);
    std::string command;
    command.reserve(programPath.size() + 2);
    command += '"';
    command += programPath;
    command += '"';
    return command;
}
