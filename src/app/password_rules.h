// The password's rules without the system: how it is stored (a salted, slow hash of the password
// folded to one case), how a typed one is checked, and when the set/change dialog accepts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A password and every field that asks for one take at most this many characters.
inline constexpr int kPasswordMaxChars = 20;

// PBKDF2-HMAC-SHA256 of `password` with `salt`, `iterations` rounds, `length` bytes; nothing
// when the system cannot compute it. Passed in, so the rules stay free of the system.
using DeriveKeyFunction = std::function<std::optional<std::vector<std::uint8_t>>(
    std::string_view password, std::span<const std::uint8_t> salt, std::uint32_t iterations, std::size_t length)>;

// A stored password: "PBKDF2-SHA256$<iterations>$<salt, hex>$<key, hex>".
struct PasswordHash {
    std::uint32_t iterations = 0;
    std::vector<std::uint8_t> salt;
    std::vector<std::uint8_t> key;
};

inline constexpr std::uint32_t kPasswordIterations = 100000;
inline constexpr std::size_t kPasswordSaltBytes = 16;
inline constexpr std::size_t kPasswordKeyBytes = 32;

std::string FormatPasswordHash(const PasswordHash& hash);
// Nothing unless the text is a complete, well-formed stored hash: anything else is a plain
// password left by an older version (or damage, which then simply does not match).
std::optional<PasswordHash> ParsePasswordHash(std::string_view stored);

// Compares every byte whatever the first difference, so the time taken tells nothing.
bool ConstantTimeEqual(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);

// Passwords are compared without regard to letter case: both sides are folded first.
bool SamePassword(std::string_view a, std::string_view b);

// What the value to store for `typed` is: empty for an empty password (no password), else its
// hash with `salt`; nothing when the hash cannot be computed.
std::optional<std::string> StoredFormOf(std::string_view typed, std::span<const std::uint8_t> salt,
                                        const DeriveKeyFunction& derive);

enum class PasswordCheck {
    NoPassword,   // nothing stored: everything is allowed
    Right,        // matches the stored hash
    RightLegacy,  // matches a plain value of an older version, which should now be replaced
    Wrong,
};
PasswordCheck CheckPassword(std::string_view stored, std::string_view typed, const DeriveKeyFunction& derive);

// The set/change dialog's OK button: the old password typed (or none stored), and at least one
// place to ask it.
bool SetPasswordOkEnabled(bool passwordStored, bool oldTyped, bool askAtLaunch, bool askBeforeMainShow,
                          bool askBeforeTrayMenu);

enum class SetPasswordStep { WrongOld, Mismatch, Store };
// What OK in the set/change dialog does with these texts.
SetPasswordStep DecideSetPassword(std::string_view stored, std::string_view oldText, std::string_view newText,
                                  std::string_view confirmText, const DeriveKeyFunction& derive);
