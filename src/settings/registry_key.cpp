// Registry access for the settings branch: every read falls back to its default, every write
// reports only whether it stored the value.
#include "settings/registry_key.h"

#include <array>
#include <span>

#include "settings/registry_data.h"
#include "settings/settings_table.h"

namespace {
constexpr REGSAM kOpenOrCreateAccess = KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;
}

RegistryKey RegistryKey::OpenOrCreate(HKEY parent, std::string_view name) {
    if (!parent || name.empty()) return {};
    const std::string subkey(name);
    HKEY key = nullptr;
    if (::RegCreateKeyExA(parent, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kOpenOrCreateAccess,
                          nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return {};
    }
    return RegistryKey(key);
}

RegistryKey RegistryKey::OpenForWriting(HKEY parent, std::string_view name, LONG& error) {
    error = ERROR_INVALID_PARAMETER;
    if (!parent || name.empty()) return {};
    const std::string subkey(name);
    HKEY key = nullptr;
    error = ::RegOpenKeyExA(parent, subkey.c_str(), 0, KEY_WRITE, &key);
    if (error != ERROR_SUCCESS) return {};
    return RegistryKey(key);
}

RegistryKey RegistryKey::Application(std::string_view registryKeyName, std::string_view applicationName) {
    if (registryKeyName.empty() || applicationName.empty()) return {};
    const RegistryKey software = OpenOrCreate(HKEY_CURRENT_USER, "Software");
    if (!software) return {};
    const RegistryKey company = OpenOrCreate(software.get(), registryKeyName);
    if (!company) return {};
    return OpenOrCreate(company.get(), applicationName);
}

LONG RegistryKey::Close() {
    if (!key_) return ERROR_SUCCESS;
    return ::RegCloseKey(key_.release());
}

bool RegistryKey::SetNumber(std::string_view name, std::uint32_t value) const {
    if (!key_ || name.empty()) return false;
    const std::string valueName(name);
    const DWORD data = value;
    return ::RegSetValueExA(key_.get(), valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                            sizeof data) == ERROR_SUCCESS;
}

std::uint32_t RegistryKey::GetNumber(std::string_view name, std::uint32_t defaultValue) const {
    if (!key_ || name.empty()) return defaultValue;
    const std::string valueName(name);
    std::array<std::uint8_t, 4> data{};
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(data.size());
    // More than 4 bytes fails here with ERROR_MORE_DATA; fewer are rejected by the decoding.
    if (::RegQueryValueExA(key_.get(), valueName.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
        return defaultValue;
    }
    return NumberFromRegistryData(type, std::span(data.data(), size)).value_or(defaultValue);
}

bool RegistryKey::SetText(std::string_view name, std::string_view text) const {
    if (!key_ || name.empty()) return false;
    // Stored anyway, such a text would read back as the default or cut short: refuse it so the
    // caller learns that it was not kept.
    if (text.size() + 1 > kMaxTextBytes || text.find('\0') != std::string_view::npos) return false;
    const std::string valueName(name);
    const std::string data(text);
    return ::RegSetValueExA(key_.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                            static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::GetText(std::string_view name, std::string& out, std::string_view defaultValue) const {
    out.assign(defaultValue);
    if (!key_ || name.empty()) return false;
    const std::string valueName(name);
    // One read into the full-size buffer: a value that does not fit fails with ERROR_MORE_DATA.
    // A size asked for beforehand need not be the size of the converted text this call returns.
    std::array<std::uint8_t, kMaxTextBytes> data;
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(data.size());
    if (::RegQueryValueExA(key_.get(), valueName.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS ||
        size > data.size()) {
        return false;
    }
    const auto text = TextFromRegistryData(type, std::span(data.data(), size));
    if (!text) return false;
    out = *text;
    return true;
}

bool RegistryKey::DeleteValue(std::string_view name) const {
    if (!key_ || name.empty()) return false;
    const std::string valueName(name);
    const LONG result = ::RegDeleteValueA(key_.get(), valueName.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
