// Writing or removing the autorun entry in the machine-wide Run key.
#include "settings/autorun.h"

#include <vector>

#include "settings/registry_key.h"
#include "settings/settings_table.h"

namespace {

std::string ProgramPath() {
    // GetModuleFileNameA truncates silently: grow until the path fits.
    std::vector<char> buffer(MAX_PATH);
    while (buffer.size() <= 32768 * 4) {
        const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
    return {};
}

LONG ChangeEntry(HKEY runKey, const AutorunEntry& entry, bool on) {
    if (entry.valueName.empty()) return ERROR_INVALID_PARAMETER;
    if (on) {
        if (entry.command.empty()) return ERROR_INVALID_PARAMETER;
        return ::RegSetValueExA(runKey, entry.valueName.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(entry.command.c_str()),
                                static_cast<DWORD>(entry.command.size() + 1));
    }
    const LONG deleted = ::RegDeleteValueA(runKey, entry.valueName.c_str());
    return deleted == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : deleted;
}

}  // namespace

AutorunEntry ProgramAutorunEntry() {
    return {std::string(kApplicationName), AutorunCommand(ProgramPath())};
}

bool ApplyAutorunAtStartup(const AutorunEntry& entry, bool on) {
    RegistryKey run = RegistryKey::OpenOrCreate(HKEY_LOCAL_MACHINE, kRunKeyPath);
    if (!run) run = RegistryKey::OpenOrCreate(HKEY_LOCAL_MACHINE, kRunKeyPathNt);
    if (!run) return false;
    return ChangeEntry(run.get(), entry, on) == ERROR_SUCCESS;
}

LONG ApplyAutorunFromOptions(const AutorunEntry& entry, bool on) {
    LONG error = ERROR_SUCCESS;
    RegistryKey run = RegistryKey::OpenForWriting(HKEY_LOCAL_MACHINE, kRunKeyPath, error);
    if (!run) run = RegistryKey::OpenForWriting(HKEY_LOCAL_MACHINE, kRunKeyPathNt, error);
    if (!run) return error;
    const LONG changed = ChangeEntry(run.get(), entry, on);
    const LONG closed = run.Close();
    return changed != ERROR_SUCCESS ? changed : closed;
}
