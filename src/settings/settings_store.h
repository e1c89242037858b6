// The settings accessors: values are read from the registry once and held; writes go through.
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
    // An on/off setting: any stored number but 0 is on.
    bool ReadFlag(Setting setting) const { return ReadNumber(setting) != 0; }
    bool WriteNumber(Setting setting, std::uint32_t value) const;
    // True when a stored text was read; otherwise `out` holds the default (empty for a setting
    // that is not a text of the table) and the result is false.
    bool ReadText(Setting setting, std::string& out) const;
    // Shorthand for callers that only want the value.
    std::string ReadText(Setting setting) const;
    bool WriteText(Setting setting, std::string_view text) const;

    // The branch itself, opened (and created) afresh.
    RegistryKey OpenBranch() const;

    // Forgets every held value, so the next reads ask the registry: for whoever changed the
    // registry behind the store's back (tests, and nothing else in the program).
    static void ForgetHeldValues();

private:
    std::string BranchName() const;

    std::string registryKeyName_{kRegistryKeyName};
    std::string applicationName_{kApplicationName};
};
