// The settings accessors and the registry key layer against the real registry of the prefix.
// Every test starts from an empty branch.
#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <array>

#include "registry_test_support.h"

namespace {

using enum Setting;

class SettingsStoreTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(DeleteSettingsBranch()); }
    void TearDown() override { DeleteSettingsBranch(); }

    static bool SetRawValue(const std::string& name, DWORD type, const void* data, std::size_t size) {
        return SetRaw(HKEY_CURRENT_USER, kTestBranch, name, type, data, size);
    }

    SettingsStore store;
};

TEST_F(SettingsStoreTest, EmptyBranchReadsEverySettingsDefault) {
    for (const SettingInfo& info : AllSettings()) {
        if (info.kind == SettingKind::Number) {
            EXPECT_EQ(store.ReadNumber(info.id), info.numberDefault) << info.name;
        } else {
            std::string text = "junk";
            EXPECT_FALSE(store.ReadText(info.id, text)) << info.name;
            EXPECT_EQ(text, info.textDefault) << info.name;
        }
    }
    // The view settings a first start shows with.
    EXPECT_EQ(store.ReadNumber(ViewTypesAll), 0u);
    EXPECT_EQ(store.ReadNumber(ViewInterfaceColors), 1u);
    EXPECT_EQ(store.ReadText(Lang), "english");
}

TEST_F(SettingsStoreTest, ReadingCreatesTheBranch) {
    ASSERT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestBranch));
    store.ReadNumber(TipDays);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kTestBranch));
}

TEST_F(SettingsStoreTest, ValuesAreReadOnceAndWritesGoStraightToTheRegistry) {
    EXPECT_EQ(store.ReadNumber(TipDays), 3u);
    // Behind the store's back: the value it holds stands until it is told to forget.
    const DWORD edited = 9;
    ASSERT_TRUE(::RegSetKeyValueA(HKEY_CURRENT_USER, kTestBranch, "TipDays", REG_DWORD, &edited, sizeof edited) ==
                ERROR_SUCCESS);
    EXPECT_EQ(store.ReadNumber(TipDays), 3u) << "held, not read again";
    EXPECT_EQ(SettingsStore().ReadNumber(TipDays), 3u) << "every store of the branch shares what is held";

    ASSERT_TRUE(store.WriteNumber(TipDays, 5));
    EXPECT_EQ(RawNumber(GetRaw(HKEY_CURRENT_USER, kTestBranch, "TipDays")), 5u) << "written through at once";
    EXPECT_EQ(store.ReadNumber(TipDays), 5u);
    ASSERT_TRUE(store.WriteText(Lang, "german"));
    EXPECT_EQ(RawText(GetRaw(HKEY_CURRENT_USER, kTestBranch, "Lang")), "german");
    EXPECT_EQ(store.ReadText(Lang), "german");

    // A write the registry refuses is not held: the next read asks the registry.
    EXPECT_FALSE(store.WriteText(Lang, std::string("se\0cret", 7)));
    EXPECT_EQ(store.ReadText(Lang), "german");

    SettingsStore other("Software\\Quillon Works", "Kestrum Test Branch");
    ASSERT_TRUE(other.WriteNumber(TipDays, 7));
    EXPECT_EQ(store.ReadNumber(TipDays), 5u) << "branches are held apart";
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillon Works\\Kestrum Test Branch");
    SettingsStore::ForgetHeldValues();
    EXPECT_EQ(store.ReadNumber(TipDays), 5u);
}

TEST_F(SettingsStoreTest, NumbersRoundTripAsFourByteDwords) {
    std::uint32_t value = 1000;
    for (const SettingInfo& info : AllSettings()) {
        if (info.kind != SettingKind::Number) continue;
        ASSERT_TRUE(store.WriteNumber(info.id, value)) << info.name;
        EXPECT_EQ(store.ReadNumber(info.id), value) << info.name;
        const RawValue raw = GetRaw(HKEY_CURRENT_USER, kTestBranch, std::string(info.name));
        EXPECT_EQ(raw.type, static_cast<DWORD>(REG_DWORD)) << info.name;
        EXPECT_EQ(raw.data.size(), 4u) << info.name;
        ++value;
    }
    ASSERT_TRUE(store.WriteNumber(TrayTransp, 0xFFFFFFFFu));
    EXPECT_EQ(store.ReadNumber(TrayTransp), 0xFFFFFFFFu);
    ASSERT_TRUE(store.WriteNumber(TrayTransp, 0));
    EXPECT_EQ(store.ReadNumber(TrayTransp), 0u);
}

TEST_F(SettingsStoreTest, TextsRoundTripIncludingEmptyAndUtf8) {
    ASSERT_TRUE(store.WriteText(Lang, "deutsch"));
    EXPECT_EQ(store.ReadText(Lang), "deutsch");

    ASSERT_TRUE(store.WriteText(Pass, "p\xC3\xA4ss \xE6\x97\xA5\xE6\x9C\xAC"));  // "päss 日本"
    std::string text;
    EXPECT_TRUE(store.ReadText(Pass, text));
    EXPECT_EQ(text, "p\xC3\xA4ss \xE6\x97\xA5\xE6\x9C\xAC");

    // A stored empty text is a stored value, not the default.
    ASSERT_TRUE(store.WriteText(Lang, ""));
    EXPECT_TRUE(store.ReadText(Lang, text));
    EXPECT_EQ(text, "");
}

TEST_F(SettingsStoreTest, EveryReadSeesTheLatestValue) {
    ASSERT_TRUE(store.WriteNumber(FilesSort, 2));
    EXPECT_EQ(store.ReadNumber(FilesSort), 2u);
    ASSERT_TRUE(SetRawNumber(HKEY_CURRENT_USER, kTestBranch, "FilesSort", 4));  // as another part would
    EXPECT_EQ(store.ReadNumber(FilesSort), 4u);
    ASSERT_TRUE(SetRawText(HKEY_CURRENT_USER, kTestBranch, "FilterFrom", "44927.000000"));
    EXPECT_EQ(store.ReadText(FilterFrom), "44927.000000");
}

TEST_F(SettingsStoreTest, NumbersOfTheWrongSizeOrTypeReadAsDefault) {
    const std::array<std::uint8_t, 8> eight{7, 0, 0, 0, 0, 0, 0, 0};
    const std::array<std::uint8_t, 2> two{7, 0};
    ASSERT_TRUE(SetRawValue("TipDays", REG_DWORD, eight.data(), eight.size()));
    EXPECT_EQ(store.ReadNumber(TipDays), 3u);
    ASSERT_TRUE(SetRawValue("TipDays", REG_DWORD, two.data(), two.size()));
    EXPECT_EQ(store.ReadNumber(TipDays), 3u);
    ASSERT_TRUE(SetRawValue("TipDays", REG_QWORD, eight.data(), eight.size()));
    EXPECT_EQ(store.ReadNumber(TipDays), 3u);
    ASSERT_TRUE(SetRawValue("TipDays", REG_SZ, "123", 4));  // four bytes, but a text
    EXPECT_EQ(store.ReadNumber(TipDays), 3u);
    ASSERT_TRUE(SetRawValue("TipDays", REG_DWORD, nullptr, 0));
    EXPECT_EQ(store.ReadNumber(TipDays), 3u);
}

TEST_F(SettingsStoreTest, TextUpToTheLimitReadsAndLongerReadsAsDefault) {
    const std::string atLimit(kMaxTextBytes - 1, 'a');  // 2056 bytes with its zero
    ASSERT_TRUE(SetRawText(HKEY_CURRENT_USER, kTestBranch, "Lang", atLimit));
    std::string text;
    EXPECT_TRUE(store.ReadText(Lang, text));
    EXPECT_EQ(text, atLimit);

    const std::string overLimit(kMaxTextBytes, 'b');
    ASSERT_TRUE(SetRawText(HKEY_CURRENT_USER, kTestBranch, "Lang", overLimit));
    EXPECT_FALSE(store.ReadText(Lang, text));
    EXPECT_EQ(text, "english");

    ASSERT_TRUE(SetRawText(HKEY_CURRENT_USER, kTestBranch, "Lang", std::string(10000, 'c')));
    EXPECT_FALSE(store.ReadText(Lang, text));
    EXPECT_EQ(text, "english");
}

TEST_F(SettingsStoreTest, TextWithoutTerminatingZeroReadsOnlyItsData) {
    ASSERT_TRUE(SetRawValue("Lang", REG_SZ, "french", 6));
    std::string text;
    EXPECT_TRUE(store.ReadText(Lang, text));
    EXPECT_EQ(text, "french");

    // At the limit once its zero is counted: the whole text and nothing after it.
    const std::string full(kMaxTextBytes - 1, 'd');
    ASSERT_TRUE(SetRawValue("Lang", REG_SZ, full.data(), full.size()));
    EXPECT_TRUE(store.ReadText(Lang, text));
    EXPECT_EQ(text, full);
}

TEST_F(SettingsStoreTest, TextsOfAnotherTypeReadAsDefault) {
    const DWORD number = 0x00616263;  // "cba" and a zero, as bytes
    ASSERT_TRUE(SetRawValue("Lang", REG_DWORD, &number, sizeof number));
    std::string text;
    EXPECT_FALSE(store.ReadText(Lang, text));
    EXPECT_EQ(text, "english");
    ASSERT_TRUE(SetRawValue("Lang", REG_MULTI_SZ, "one\0two\0", 9));
    EXPECT_FALSE(store.ReadText(Lang, text));
    EXPECT_EQ(text, "english");
    ASSERT_TRUE(SetRawValue("Lang", REG_EXPAND_SZ, "%LANG%", 7));  // taken as stored
    EXPECT_TRUE(store.ReadText(Lang, text));
    EXPECT_EQ(text, "%LANG%");
}

TEST_F(SettingsStoreTest, TextsThatCannotBeReadBackAreNotWritten) {
    ASSERT_TRUE(store.WriteText(Lang, std::string(kMaxTextBytes - 1, 'x')));
    EXPECT_EQ(store.ReadText(Lang).size(), kMaxTextBytes - 1);

    EXPECT_FALSE(store.WriteText(Lang, std::string(kMaxTextBytes, 'y')));
    EXPECT_EQ(store.ReadText(Lang), std::string(kMaxTextBytes - 1, 'x'));  // the old value stays
    EXPECT_FALSE(store.WriteText(Pass, std::string("se\0cret", 7)));
    EXPECT_FALSE(GetRaw(HKEY_CURRENT_USER, kTestBranch, "Pass").exists);
}

TEST_F(SettingsStoreTest, UnknownSettingsNeverTouchTheRegistry) {
    const auto unknown = static_cast<Setting>(4711);
    std::string text = "junk";
    EXPECT_EQ(store.ReadNumber(unknown), 0u);
    EXPECT_FALSE(store.WriteNumber(unknown, 5));
    EXPECT_FALSE(store.ReadText(unknown, text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(store.WriteText(unknown, "x"));
    // A setting used as the other kind is unknown to that accessor.
    EXPECT_EQ(store.ReadNumber(Lang), 0u);
    EXPECT_FALSE(store.WriteNumber(Pass, 1));
    EXPECT_FALSE(store.ReadText(TipDays, text));
    EXPECT_FALSE(store.WriteText(TipDays, "7"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestBranch));
}

TEST_F(SettingsStoreTest, AnotherBranchIsSeparateAndEmptyNamesHaveNone) {
    const SettingsStore other("Quillon Works", "Kestrum Test Branch");
    ASSERT_TRUE(other.WriteNumber(TipDays, 9));
    EXPECT_EQ(other.ReadNumber(TipDays), 9u);
    EXPECT_EQ(store.ReadNumber(TipDays), 3u);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quillon Works\\Kestrum Test Branch");

    const SettingsStore nameless("", "Kestrum");
    EXPECT_FALSE(nameless.OpenBranch());
    EXPECT_FALSE(nameless.WriteNumber(TipDays, 9));
    EXPECT_EQ(nameless.ReadNumber(TipDays), 3u);
    EXPECT_FALSE(SettingsStore("Quillon Works", "").OpenBranch());
}

class RegistryKeyTest : public SettingsStoreTest {};

TEST_F(RegistryKeyTest, OpenOrCreateNeedsAParentAndAName) {
    EXPECT_FALSE(RegistryKey::OpenOrCreate(nullptr, "Software"));
    EXPECT_FALSE(RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, ""));
    const RegistryKey branch = RegistryKey::Application(kRegistryKeyName, kApplicationName);
    ASSERT_TRUE(branch);
    const RegistryKey child = RegistryKey::OpenOrCreate(branch.get(), "Child\\Grandchild");
    EXPECT_TRUE(child);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, std::string(kTestBranch) + "\\Child\\Grandchild"));
}

TEST_F(RegistryKeyTest, EmptyKeyOrNameGivesDefaultsAndFailures) {
    const RegistryKey none;
    std::string text;
    EXPECT_FALSE(none.SetNumber("A", 1));
    EXPECT_EQ(none.GetNumber("A", 17), 17u);
    EXPECT_FALSE(none.SetText("A", "x"));
    EXPECT_FALSE(none.GetText("A", text, "fallback"));
    EXPECT_EQ(text, "fallback");

    const RegistryKey branch = RegistryKey::Application(kRegistryKeyName, kApplicationName);
    ASSERT_TRUE(branch);
    // The empty name would address the key's default value, which is no setting.
    EXPECT_FALSE(branch.SetNumber("", 1));
    EXPECT_FALSE(branch.SetText("", "x"));
    EXPECT_EQ(branch.GetNumber("", 17), 17u);
    EXPECT_FALSE(GetRaw(HKEY_CURRENT_USER, kTestBranch, "").exists);
}

TEST_F(RegistryKeyTest, OpenForWritingNeverCreates) {
    LONG error = ERROR_SUCCESS;
    const std::string missing = std::string(kTestBranch) + "\\Missing";
    EXPECT_FALSE(RegistryKey::OpenForWriting(HKEY_CURRENT_USER, missing, error));
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, missing));

    ASSERT_TRUE(CreateRawKey(HKEY_CURRENT_USER, missing));
    RegistryKey key = RegistryKey::OpenForWriting(HKEY_CURRENT_USER, missing, error);
    EXPECT_EQ(error, ERROR_SUCCESS);
    ASSERT_TRUE(key);
    EXPECT_TRUE(key.SetNumber("Written", 5));
    EXPECT_EQ(key.Close(), ERROR_SUCCESS);
    EXPECT_FALSE(key);
    EXPECT_EQ(GetRaw(HKEY_CURRENT_USER, missing, "Written").data.size(), 4u);
}

TEST_F(RegistryKeyTest, DeleteValueSucceedsWhenTheValueIsGone) {
    const RegistryKey branch = RegistryKey::Application(kRegistryKeyName, kApplicationName);
    ASSERT_TRUE(branch.SetNumber("Doomed", 1));
    EXPECT_TRUE(branch.DeleteValue("Doomed"));
    EXPECT_FALSE(GetRaw(HKEY_CURRENT_USER, kTestBranch, "Doomed").exists);
    EXPECT_TRUE(branch.DeleteValue("Doomed"));
}

}  // namespace
