// One open registry key with the few typed reads and writes the settings need.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/win_handles.h"

class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(HKEY owned) : key_(owned) {}

    // Opens `name` under `parent`, creating it when missing (reads create keys too). Empty when
    // the parent is null, the name empty or the call fails.
    static RegistryKey OpenOrCreate(HKEY parent, std::string_view name);
    // Opens an existing key for writing only, without creating it; `error` gets the call's code.
    static RegistryKey OpenForWriting(HKEY parent, std::string_view name, LONG& error);
    // HKEY_CURRENT_USER\Software\<registryKeyName>\<applicationName>, created as needed; empty
    // when either name is empty.
    static RegistryKey Application(std::string_view registryKeyName, std::string_view applicationName);

    explicit operator bool() const { return static_cast<bool>(key_); }
    HKEY get() const { return key_.get(); }
    // Closes the key now and returns RegCloseKey's code (ERROR_SUCCESS for an empty key).
    LONG Close();

    // Each is false, or gives the default, for an empty key or an empty value name.
    bool SetNumber(std::string_view name, std::uint32_t value) const;
    // The stored REG_DWORD of exactly 4 bytes, otherwise `defaultValue`.
    std::uint32_t GetNumber(std::string_view name, std::uint32_t defaultValue) const;
    // False for a text that cannot be read back whole: longer than kMaxTextBytes with its
    // terminating zero, or holding a zero byte.
    bool SetText(std::string_view name, std::string_view text) const;
    // True when a stored text was read into `out`; otherwise `out` is the default. A text value
    // larger than kMaxTextBytes, or of another type, reads as the default.
    bool GetText(std::string_view name, std::string& out, std::string_view defaultValue) const;
    // True when the value is gone afterwards, including when there was none.
    bool DeleteValue(std::string_view name) const;

private:
    UniqueRegKey key_;
};
