// Storing and checking the password: PBKDF2-SHA256 over the case-folded text, salt and rounds
// kept beside the key, a plain value of an older version accepted so it can be replaced.
#include "app/password_rules.h"

#include <charconv>

#include "text/case_fold.h"

namespace {

constexpr std::string_view kPrefix = "PBKDF2-SHA256$";
constexpr char kDigits[] = "0123456789abcdef";
// Fewer rounds than this would make a stored value cheap to guess; more than this would make a
// damaged value hang the prompt.
constexpr std::uint32_t kMinIterations = 1000;
constexpr std::uint32_t kMaxIterations = 10000000;

std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const std::uint8_t b : bytes) {
        text += kDigits[b >> 4];
        text += kDigits[b & 0xF];
    }
    return text;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::vector<std::uint8_t>> FromHex(std::string_view text) {
    if (text.empty() || text.size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = HexValue(text[i]);
        const int low = HexValue(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return bytes;
}

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::string FormatPasswordHash(const PasswordHash& hash) {
    return std::string(kPrefix) + std::to_string(hash.iterations) + "$" + Hex(hash.salt) + "$" + Hex(hash.key);
}

std::optional<PasswordHash> ParsePasswordHash(std::string_view stored) {
    if (!stored.starts_with(kPrefix)) return std::nullopt;
    stored.remove_prefix(kPrefix.size());
    const auto first = stored.find('$');
    if (first == std::string_view::npos) return std::nullopt;
    const auto second = stored.find('$', first + 1);
    if (second == std::string_view::npos) return std::nullopt;

    PasswordHash hash;
    const std::string_view rounds = stored.substr(0, first);
    const auto [end, error] = std::from_chars(rounds.data(), rounds.data() + rounds.size(), hash.iterations);
    if (error != std::errc() || end != rounds.data() + rounds.size()) return std::nullopt;
    if (hash.iterations < kMinIterations || hash.iterations > kMaxIterations) return std::nullopt;
    auto salt = FromHex(stored.substr(first + 1, second - first - 1));
    auto key = FromHex(stored.substr(second + 1));
    if (!salt || !key) return std::nullopt;
    hash.salt = std::move(*salt);
    hash.key = std::move(*key);
    return hash;
}

bool ConstantTimeEqual(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    if (a.size() != b.size()) return false;
    std::uint8_t difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) difference |= static_cast<std::uint8_t>(a[i] ^ b[i]);
    return difference == 0;
}

bool SamePassword(std::string_view a, std::string_view b) { return ConstantTimeEqual(Bytes(FoldCase(a)), Bytes(FoldCase(b))); }

std::optional<std::string> StoredFormOf(std::string_view typed, std::span<const std::uint8_t> salt,
                                        const DeriveKeyFunction& derive) {
    if (typed.empty()) return std::string();
    PasswordHash hash{.iterations = kPasswordIterations, .salt = {salt.begin(), salt.end()}, .key = {}};
    auto key = derive(FoldCase(typed), hash.salt, hash.iterations, kPasswordKeyBytes);
    if (!key || key->size() != kPasswordKeyBytes) return std::nullopt;
    hash.key = std::move(*key);
    return FormatPasswordHash(hash);
}

PasswordCheck CheckPassword(std::string_view stored, std::string_view typed, const DeriveKeyFunction& derive) {
    if (stored.empty()) return PasswordCheck::NoPassword;
    const auto hash = ParsePasswordHash(stored);
    if (!hash) return SamePassword(stored, typed) ? PasswordCheck::RightLegacy : PasswordCheck::Wrong;
    const auto key = derive(FoldCase(typed), hash->salt, hash->iterations, hash->key.size());
    return key && ConstantTimeEqual(*key, hash->key) ? PasswordCheck::Right : PasswordCheck::Wrong;
}

bool SetPasswordOkEnabled(bool passwordStored, bool oldTyped, bool askAtLaunch, bool askBeforeMainShow,
                          bool askBeforeTrayMenu) {
    return (oldTyped || !passwordStored) && (askAtLaunch || askBeforeMainShow || askBeforeTrayMenu);
}

SetPasswordStep DecideSetPassword(std::string_view stored, std::string_view oldText, std::string_view newText,
                                  std::string_view confirmText, const DeriveKeyFunction& derive) {
    if (CheckPassword(stored, oldText, derive) == PasswordCheck::Wrong) return SetPasswordStep::WrongOld;
    if (!SamePassword(newText, confirmText)) return SetPasswordStep::Mismatch;
    return SetPasswordStep::Store;
}
