// Storing and checking the password, and when the set/change dialog accepts.
#include "app/password_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A stand-in for PBKDF2 that depends on every input, so a rule that passes the wrong text,
// salt or round count gets a key that does not match.
std::optional<std::vector<std::uint8_t>> FakeDerive(std::string_view password, std::span<const std::uint8_t> salt,
                                                   std::uint32_t iterations, std::size_t length) {
    std::vector<std::uint8_t> key(length);
    std::uint32_t h = 2166136261u ^ iterations;
    const auto mix = [&](std::uint8_t b) { h = (h ^ b) * 16777619u; };
    for (const char c : password) mix(static_cast<std::uint8_t>(c));
    for (const std::uint8_t b : salt) mix(b);
    for (std::size_t i = 0; i < length; ++i) {
        mix(static_cast<std::uint8_t>(i));
        key[i] = static_cast<std::uint8_t>(h >> 13);
    }
    return key;
}

const DeriveKeyFunction kDerive = &FakeDerive;
const DeriveKeyFunction kBroken = [](std::string_view, std::span<const std::uint8_t>, std::uint32_t, std::size_t) {
    return std::optional<std::vector<std::uint8_t>>();
};
const std::vector<std::uint8_t> kSalt(kPasswordSaltBytes, 0x5A);

std::string Stored(std::string_view password) { return *StoredFormOf(password, kSalt, kDerive); }

TEST(PasswordRules, TheStoredFormIsAHashWithItsSaltAndRoundsAndNeverThePassword) {
    const std::string stored = Stored("Secret1");
    EXPECT_EQ(stored.find("Secret1"), std::string::npos);
    EXPECT_EQ(stored.find("secret1"), std::string::npos);
    const auto hash = ParsePasswordHash(stored);
    ASSERT_TRUE(hash);
    EXPECT_EQ(hash->iterations, kPasswordIterations);
    EXPECT_EQ(hash->salt, kSalt);
    EXPECT_EQ(hash->key.size(), kPasswordKeyBytes);
    EXPECT_EQ(FormatPasswordHash(*hash), stored);
    // Another salt gives another stored text for the same password.
    const std::vector<std::uint8_t> other(kPasswordSaltBytes, 0x11);
    EXPECT_NE(*StoredFormOf("Secret1", other, kDerive), stored);
}

TEST(PasswordRules, AnEmptyPasswordIsStoredEmptyAndAFailedHashStoresNothing) {
    EXPECT_EQ(StoredFormOf("", kSalt, kDerive), std::string());
    EXPECT_FALSE(StoredFormOf("x", kSalt, kBroken).has_value());
}

TEST(PasswordRules, MalformedStoredHashesAreNotHashes) {
    const std::string good = Stored("abc");
    const std::string body = good.substr(good.find('$') + 1);
    const char* cases[] = {
        "",
        "plain password",
        "PBKDF2-SHA256$",
        "PBKDF2-SHA256$100000$0011",               // no key
        "PBKDF2-SHA256$100000$$0011",              // no salt
        "PBKDF2-SHA256$abc$0011$2233",             // rounds not a number
        "PBKDF2-SHA256$100000x$0011$2233",         // trailing junk after the rounds
        "PBKDF2-SHA256$10$0011$2233",              // too few rounds to be ours
        "PBKDF2-SHA256$4294967295$0011$2233",      // so many rounds the prompt would hang
        "PBKDF2-SHA256$100000$001$2233",           // odd number of digits
        "PBKDF2-SHA256$100000$00zz$2233",          // not hex
        "pbkdf2-sha256$100000$0011$2233",          // the prefix is exact
    };
    for (const char* text : cases) EXPECT_FALSE(ParsePasswordHash(text).has_value()) << text;
    EXPECT_TRUE(ParsePasswordHash("PBKDF2-SHA256$" + body).has_value());
}

TEST(PasswordRules, ChecksIgnoreLetterCaseForHashesAndPlainValues) {
    struct Case {
        std::string stored;
        const char* typed;
        PasswordCheck expected;
    };
    const Case cases[] = {
        {"", "", PasswordCheck::NoPassword},
        {"", "anything", PasswordCheck::NoPassword},
        {Stored("Secret1"), "Secret1", PasswordCheck::Right},
        {Stored("Secret1"), "sECRET1", PasswordCheck::Right},
        {Stored("Secret1"), "Secret2", PasswordCheck::Wrong},
        {Stored("Secret1"), "", PasswordCheck::Wrong},
        {Stored("Secret1"), "Secret1 ", PasswordCheck::Wrong},
        {Stored("Пароль"), "пАРОЛЬ", PasswordCheck::Right},
        // A plain value left by an older version: right once, to be replaced.
        {"OldPass", "oldpass", PasswordCheck::RightLegacy},
        {"OldPass", "OldPas", PasswordCheck::Wrong},
        // The stored text itself typed back is not the password.
        {Stored("Secret1"), "", PasswordCheck::Wrong},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckPassword(c.stored, c.typed, kDerive), c.expected) << c.typed;
    EXPECT_EQ(CheckPassword(Stored("a"), Stored("a"), kDerive), PasswordCheck::Wrong);
    // When the system cannot compute the key, nothing matches.
    EXPECT_EQ(CheckPassword(Stored("Secret1"), "Secret1", kBroken), PasswordCheck::Wrong);
}

TEST(PasswordRules, ConstantTimeEqualComparesEveryByteAndTheLength) {
    const std::vector<std::uint8_t> a{1, 2, 3, 4};
    EXPECT_TRUE(ConstantTimeEqual(a, std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_FALSE(ConstantTimeEqual(a, std::vector<std::uint8_t>{1, 2, 3, 5}));
    EXPECT_FALSE(ConstantTimeEqual(a, std::vector<std::uint8_t>{0, 2, 3, 4}));
    EXPECT_FALSE(ConstantTimeEqual(a, std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_TRUE(ConstantTimeEqual({}, {}));
}

TEST(PasswordRules, SetPasswordOkNeedsTheOldPasswordAndOnePlaceToAsk) {
    struct Case {
        bool stored, oldTyped, launch, mainShow, trayMenu, enabled;
    };
    const Case cases[] = {
        {false, false, true, false, false, true},   // no password yet: no old one needed
        {false, false, false, false, false, false}, // nowhere to ask
        {true, false, true, true, true, false},     // the old password is missing
        {true, true, false, false, true, true},
        {true, true, false, true, false, true},
        {true, true, false, false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SetPasswordOkEnabled(c.stored, c.oldTyped, c.launch, c.mainShow, c.trayMenu), c.enabled)
            << c.stored << c.oldTyped << c.launch << c.mainShow << c.trayMenu;
    }
}

TEST(PasswordRules, SetPasswordChecksTheOldOneThenTheConfirmation) {
    const std::string stored = Stored("Old");
    struct Case {
        std::string stored;
        const char *oldText, *newText, *confirm;
        SetPasswordStep expected;
    };
    const Case cases[] = {
        {stored, "old", "New", "NEW", SetPasswordStep::Store},   // both comparisons ignore case
        {stored, "wrong", "New", "New", SetPasswordStep::WrongOld},
        {stored, "", "New", "New", SetPasswordStep::WrongOld},
        {stored, "Old", "New", "Newer", SetPasswordStep::Mismatch},
        {stored, "Old", "", "", SetPasswordStep::Store},         // removes the password
        {"", "", "First", "first", SetPasswordStep::Store},      // nothing stored: no old one
        {"", "", "First", "", SetPasswordStep::Mismatch},
        {"PlainOld", "plainold", "x", "x", SetPasswordStep::Store},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideSetPassword(c.stored, c.oldText, c.newText, c.confirm, kDerive), c.expected)
            << c.oldText << "/" << c.newText << "/" << c.confirm;
    }
}

}  // namespace
