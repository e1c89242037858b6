// Helpers for tests against the real registry of the test prefix: a clean settings branch and
// raw access that bypasses the code under test.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/win_handles.h"
#include "settings/settings_store.h"

inline constexpr char kTestBranch[] = "Software\\Quillon Works\\Kestrum";

// Removes the settings branch with everything in it; true when it is gone.
inline bool DeleteSettingsBranch() {
    const LONG result = ::RegDeleteTreeA(HKEY_CURRENT_USER, kTestBranch);
    SettingsStore::ForgetHeldValues();
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

inline bool KeyExists(HKEY root, const std::string& path) {
    UniqueRegKey key;
    return ::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

inline UniqueRegKey CreateRawKey(HKEY root, const std::string& path) {
    UniqueRegKey key;
    ::RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
    return key;
}

inline bool SetRaw(HKEY root, const std::string& path, const std::string& name, DWORD type, const void* data,
                   std::size_t size) {
    const UniqueRegKey key = CreateRawKey(root, path);
    SettingsStore::ForgetHeldValues();
    return key && ::RegSetValueExA(key.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data),
                                   static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

inline bool SetRawText(HKEY root, const std::string& path, const std::string& name, const std::string& text) {
    return SetRaw(root, path, name, REG_SZ, text.c_str(), text.size() + 1);
}

inline bool SetRawNumber(HKEY root, const std::string& path, const std::string& name, DWORD value) {
    return SetRaw(root, path, name, REG_DWORD, &value, sizeof value);
}

struct RawValue {
    bool exists = false;
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> data;
};

inline RawValue GetRaw(HKEY root, const std::string& path, const std::string& name) {
    RawValue value;
    UniqueRegKey key;
    if (::RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (::RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) {
        return value;
    }
    value.data.resize(size);
    if (::RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, value.data.data(), &size) !=
        ERROR_SUCCESS) {
        return value;
    }
    value.data.resize(size);
    value.exists = true;
    return value;
}

inline std::string RawText(const RawValue& value) {
    std::string text(value.data.begin(), value.data.end());
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

inline std::uint32_t RawNumber(const RawValue& value) {
    std::uint32_t number = 0;
    if (value.data.size() == sizeof number) std::memcpy(&number, value.data.data(), sizeof number);
    return number;
}
