// The program's settings: registry value names, kinds and defaults, and the branch they live in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// HKEY_CURRENT_USER\Software\<kRegistryKeyName>\<kApplicationName> holds every setting.
inline constexpr std::string_view kRegistryKeyName = "Quillon Works";
inline constexpr std::string_view kApplicationName = "Kestrum";

// Subkeys of the branch.
inline constexpr std::string_view kMainWindowKey = "MainWindow";
inline constexpr std::string_view kMoveCopyFoldersKey = "MoveCopyFolders";
inline constexpr std::string_view kSaveFilesKey = "SaveFiles";

// Value names under kMainWindowKey.
inline constexpr std::string_view kPlacementState = "State";
inline constexpr std::string_view kPlacementLeft = "Left";
inline constexpr std::string_view kPlacementTop = "Top";
inline constexpr std::string_view kPlacementWidth = "Width";
inline constexpr std::string_view kPlacementHeight = "Height";

// The machine-wide Run keys (under HKEY_LOCAL_MACHINE), the second for systems without the first.
inline constexpr std::string_view kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kRunKeyPathNt = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Run";

// The command the Run key holds for the program: its full path, in quotes when it has a blank.
std::string AutorunCommand(std::string_view programPath);

// Numeric values are REG_DWORD of 4 bytes; text values REG_SZ of at most this many bytes,
// terminating zero included.
inline constexpr std::size_t kMaxTextBytes = 2056;

// Every setting, named as its registry value.
enum class Setting : int {
    ViewTypesAll,
    ViewDuplicates,
    ViewDeleted,
    ViewFilter,
    ViewToolbar,
    ViewStatusbar,
    ViewInterfaceColors,
    ViewLarge,
    ViewTabText,
    FilterType,
    FilterLast,
    FileOverwrite,
    FileOpen,
    FilesSort,
    FilesSortAsc,
    TrayTransp,
    Autoload,
    Minimized,
    TrayAnim,
    Tray,
    TipDays,
    ShowMainVKey,
    ShowMainMod,
    ShowTipVKey,
    ShowTipMod,
    PassMask,
    PassLaunch,
    MainShow,
    TrayOpen,
    ColWidth0,
    ColWidth1,
    ColWidth2,
    ColWidth3,
    ColWidth4,
    ColWidth5,
    HideMessage,
    ShowIntro,
    FilterFrom,
    FilterTo,
    Lang,
    Pass,
};

enum class SettingKind { Number, Text };

struct SettingInfo {
    Setting id;
    std::string_view name;
    SettingKind kind;
    std::uint32_t numberDefault;    // for numbers
    std::string_view textDefault;   // for texts
};

// The whole table, in the order of the enumeration.
std::span<const SettingInfo> AllSettings();

// The table entry of a setting; null for an identifier outside the table.
const SettingInfo* FindSetting(Setting setting);

// The width setting of document-list column 0..5 (Name ... Modified); for any other column an
// identifier outside the table, which the accessors answer with 0 / false.
Setting ColumnWidthSetting(int column);

// The value name of entry `index` of a recently-typed list: "Item0", "Item1", ...
std::string ListItemName(std::size_t index);
