// The settings accessors: each call reads or writes one value of the branch, nothing is cached.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "settings/registry_key.h"
#include "settings/settings_table.h"

class SettingsStore {
public:
    // The program's own branch, HKEY_CURRENT_USER\Software\Quillon Works\Kestrum.
    SettingsStore() = default;
    SettingsStore(std::string registryKeyName, std::string applicationName)
        : registryKeyName_(std::move(registryKeyName)), applicationName_(std::move(applicationName)) {}

    // The stored value, or the setting's default when it is missing or unreadable; 0 for a
    // setting that is not a number of the table.
    std::uint32_t ReadNumber(Setting setting) const;
    bool WriteNumber(Setting setting, std::uint32_t value) const;
    // True when a stored text was read; otherwise `out` holds the default (empty for a setting
    // that is not a text of the table) and the result is false.
    bool ReadText(Setting setting, std::string& out) const;
    // Shorthand for callers that only want the value.
    std::string ReadText(Setting setting) const;
    bool WriteText(Setting setting, std::string_view text) const;

    // The branch itself, opened (and created) afresh.
    RegistryKey OpenBranch() const;

private:
    std::string registryKeyName_{kRegistryKeyName};
    std::string applicationName_{kApplicationName};
};
