// The settings of the table are read from the registry once per process and held in memory; a
// write goes to the registry at once and then to the memory, so nothing is lost if the program
// is killed and every part sees a change at its next read.
#include "settings/settings_store.h"

#include <map>
#include <mutex>
#include <optional>

namespace {

const SettingInfo* Lookup(Setting setting, SettingKind kind) {
    const SettingInfo* info = FindSetting(setting);
    return info && info->kind == kind ? info : nullptr;
}

// What a read answered: the stored value, or the default when nothing usable was stored.
struct HeldValue {
    std::uint32_t number = 0;
    std::string text;
    bool stored = false;
};

// Values by branch and name. The watcher thread may read settings too, hence the lock.
class HeldSettings {
public:
    template <typename ReadFn>
    HeldValue Get(const std::string& branch, std::string_view name, ReadFn read) {
        const std::string key = branch + '\n' + std::string(name);
        {
            const std::lock_guard lock(mutex_);
            if (const auto found = values_.find(key); found != values_.end()) return found->second;
        }
        HeldValue value = read();
        const std::lock_guard lock(mutex_);
        return values_.insert_or_assign(key, std::move(value)).first->second;
    }
    void Put(const std::string& branch, std::string_view name, std::optional<HeldValue> value) {
        const std::string key = branch + '\n' + std::string(name);
        const std::lock_guard lock(mutex_);
        if (value) {
            values_.insert_or_assign(key, std::move(*value));
        } else {
            values_.erase(key);
        }
    }
    void Clear() {
        const std::lock_guard lock(mutex_);
        values_.clear();
    }

private:
    std::mutex mutex_;
    std::map<std::string, HeldValue> values_;
};

HeldSettings& Held() {
    static HeldSettings held;
    return held;
}

}  // namespace

void SettingsStore::ForgetHeldValues() { Held().Clear(); }

RegistryKey SettingsStore::OpenBranch() const { return RegistryKey::Application(registryKeyName_, applicationName_); }

std::string SettingsStore::BranchName() const { return registryKeyName_ + '\\' + applicationName_; }

std::uint32_t SettingsStore::ReadNumber(Setting setting) const {
    const SettingInfo* info = Lookup(setting, SettingKind::Number);
    if (!info) return 0;
    return Held()
        .Get(BranchName(), info->name,
             [&] {
                 HeldValue value;
                 value.number = OpenBranch().GetNumber(info->name, info->numberDefault);
                 return value;
             })
        .number;
}

bool SettingsStore::WriteNumber(Setting setting, std::uint32_t value) const {
    const SettingInfo* info = Lookup(setting, SettingKind::Number);
    if (!info) return false;
    const bool written = OpenBranch().SetNumber(info->name, value);
    // A failed write leaves the registry as it was: the next read asks it again.
    Held().Put(BranchName(), info->name, written ? std::optional<HeldValue>(HeldValue{value, {}, true}) : std::nullopt);
    return written;
}

bool SettingsStore::ReadText(Setting setting, std::string& out) const {
    const SettingInfo* info = Lookup(setting, SettingKind::Text);
    if (!info) {
        out.clear();
        return false;
    }
    const HeldValue value = Held().Get(BranchName(), info->name, [&] {
        HeldValue read;
        read.stored = OpenBranch().GetText(info->name, read.text, info->textDefault);
        return read;
    });
    out = value.text;
    return value.stored;
}

std::string SettingsStore::ReadText(Setting setting) const {
    std::string text;
    ReadText(setting, text);
    return text;
}

bool SettingsStore::WriteText(Setting setting, std::string_view text) const {
    const SettingInfo* info = Lookup(setting, SettingKind::Text);
    if (!info) return false;
    const bool written = OpenBranch().SetText(info->name, text);
    Held().Put(BranchName(), info->name,
               written ? std::optional<HeldValue>(HeldValue{0, std::string(text), true}) : std::nullopt);
    return written;
}
