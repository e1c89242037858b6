// Recently-typed lists in the registry. Reading takes whatever the subkey holds, because users
// and older versions may have put values there under other names.
#include "settings/registry_list.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "settings/registry_data.h"
#include "settings/registry_key.h"
#include "settings/settings_table.h"

bool WriteList(HKEY parent, std::string_view name, const std::vector<std::string>& texts) {
    if (!parent || name.empty()) return false;
    const std::string subkey(name);
    const LONG deleted = ::RegDeleteTreeA(parent, subkey.c_str());
    if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) return false;
    const RegistryKey list = RegistryKey::OpenOrCreate(parent, name);
    if (!list) return false;
    bool allStored = true;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!list.SetText(ListItemName(i), texts[i])) allStored = false;
    }
    return allStored;
}

bool ReadList(HKEY parent, std::string_view name, std::vector<std::string>& texts) {
    texts.clear();
    const RegistryKey list = RegistryKey::OpenOrCreate(parent, name);
    if (!list) return false;
    std::array<char, kMaxTextBytes> valueName;
    std::array<std::uint8_t, kMaxTextBytes> data;
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(valueName.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = REG_NONE;
        const LONG result =
            ::RegEnumValueA(list.get(), index, valueName.data(), &nameLength, nullptr, &type, data.data(), &size);
        // An oversized name or value must not hide the entries enumerated after it.
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS) break;
        texts.push_back(ListTextFromRegistryData(type, std::span(data.data(), std::min<std::size_t>(size, data.size()))));
    }
    return true;
}
