// Every accessor opens the branch, handles one value and closes it again, so a setting changed
// by one part is seen by every other part at its next read.
#include "settings/settings_store.h"

namespace {
const SettingInfo* Lookup(Setting setting, SettingKind kind) {
    const SettingInfo* info = FindSetting(setting);
    return info && info->kind == kind ? info : nullptr;
}
}  // namespace

RegistryKey SettingsStore::OpenBranch() const { return RegistryKey::Application(registryKeyName_, applicationName_); }

std::uint32_t SettingsStore::ReadNumber(Setting setting) const {
    const SettingInfo* info = Lookup(setting, SettingKind::Number);
    if (!info) return 0;
    return OpenBranch().GetNumber(info->name, info->numberDefault);
}

bool SettingsStore::WriteNumber(Setting setting, std::uint32_t value) const {
    const SettingInfo* info = Lookup(setting, SettingKind::Number);
    return info && OpenBranch().SetNumber(info->name, value);
}

bool SettingsStore::ReadText(Setting setting, std::string& out) const {
    const SettingInfo* info = Lookup(setting, SettingKind::Text);
    if (!info) {
        out.clear();
        return false;
    }
    return OpenBranch().GetText(info->name, out, info->textDefault);
}

std::string SettingsStore::ReadText(Setting setting) const {
    std::string text;
    ReadText(setting, text);
    return text;
}

bool SettingsStore::WriteText(Setting setting, std::string_view text) const {
    const SettingInfo* info = Lookup(setting, SettingKind::Text);
    return info && OpenBranch().SetText(info->name, text);
}
