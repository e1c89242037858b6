// The password in the settings, kept only as a salted hash.
#include "app/password_store.h"

#include <string>

#include "app/password_crypto.h"
#include "settings/settings_store.h"

DeriveKeyFunction SystemDeriveKey() { return &DerivePbkdf2Sha256; }

bool PasswordIsSet() { return !SettingsStore().ReadText(Setting::Pass).empty(); }

PasswordCheck VerifyPassword(std::string_view typed) {
    const std::string stored = SettingsStore().ReadText(Setting::Pass);
    const PasswordCheck check = CheckPassword(stored, typed, SystemDeriveKey());
    // A failed upgrade keeps the plain value, which still works next time.
    if (check == PasswordCheck::RightLegacy) StorePassword(typed);
    return check;
}

bool StorePassword(std::string_view typed) {
    const auto salt = RandomBytes(kPasswordSaltBytes);
    if (!salt) return false;
    const auto stored = StoredFormOf(typed, *salt, SystemDeriveKey());
    return stored && SettingsStore().WriteText(Setting::Pass, *stored);
}
