// Recently-typed lists: written as "Item%d" values, read back as whatever the subkey holds.
#include "settings/registry_list.h"

#include <gtest/gtest.h>

#include <map>

#include "settings/registry_key.h"
#include "settings/settings_table.h"
#include "registry_test_support.h"

namespace {

class RegistryListTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DeleteSettingsBranch());
        branch = RegistryKey::Application(kRegistryKeyName, kApplicationName);
        ASSERT_TRUE(branch);
    }
    void TearDown() override {
        branch = RegistryKey();
        DeleteSettingsBranch();
    }

    static std::string ListPath() { return std::string(kTestBranch) + "\\" + std::string(kSaveFilesKey); }

    // The value names in the registry's own enumeration order.
    static std::vector<std::string> EnumeratedNames() {
        std::vector<std::string> names;
        UniqueRegKey key;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, ListPath().c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) {
            return names;
        }
        for (DWORD i = 0;; ++i) {
            char name[256];
            DWORD length = sizeof name;
            if (::RegEnumValueA(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
                break;
            }
            names.emplace_back(name, length);
        }
        return names;
    }

    RegistryKey branch;
};

TEST_F(RegistryListTest, WrittenListReadsBackInOrder) {
    const std::vector<std::string> texts{"C:\\Reports\\list.htm", "D:\\b.csv", "C:\\\xE6\x97\xA5\xE6\x9C\xAC.htm"};
    ASSERT_TRUE(WriteList(branch.get(), kSaveFilesKey, texts));
    EXPECT_EQ(RawText(GetRaw(HKEY_CURRENT_USER, ListPath(), "Item0")), texts[0]);
    EXPECT_EQ(RawText(GetRaw(HKEY_CURRENT_USER, ListPath(), "Item2")), texts[2]);

    std::vector<std::string> read{"stale"};
    ASSERT_TRUE(ReadList(branch.get(), kSaveFilesKey, read));
    EXPECT_EQ(read, texts);
}

TEST_F(RegistryListTest, WritingReplacesEverythingThatWasThere) {
    ASSERT_TRUE(WriteList(branch.get(), kSaveFilesKey, {"a", "b", "c", "d"}));
    ASSERT_TRUE(SetRawText(HKEY_CURRENT_USER, ListPath(), "Foreign", "f"));
    ASSERT_TRUE(CreateRawKey(HKEY_CURRENT_USER, ListPath() + "\\Nested"));

    ASSERT_TRUE(WriteList(branch.get(), kSaveFilesKey, {"new"}));
    EXPECT_EQ(EnumeratedNames(), std::vector<std::string>{"Item0"});
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ListPath() + "\\Nested"));
    std::vector<std::string> read;
    ASSERT_TRUE(ReadList(branch.get(), kSaveFilesKey, read));
    EXPECT_EQ(read, std::vector<std::string>{"new"});

    ASSERT_TRUE(WriteList(branch.get(), kSaveFilesKey, {}));
    ASSERT_TRUE(ReadList(branch.get(), kSaveFilesKey, read));
    EXPECT_TRUE(read.empty());
}

TEST_F(RegistryListTest, ForeignValuesCountInEnumerationOrder) {
    const DWORD number = 42;
    const std::map<std::string, std::string> expected{
        {"Item0", "C:\\first"}, {"zeta", "C:\\zeta"}, {"Alpha", "C:\\alpha"}, {"Number", "42"}, {"Item7", "seven"}};
    for (const auto& [name, text] : expected) {
        if (name == "Number") {
            ASSERT_TRUE(SetRaw(HKEY_CURRENT_USER, ListPath(), name, REG_DWORD, &number, sizeof number));
        } else {
            ASSERT_TRUE(SetRawText(HKEY_CURRENT_USER, ListPath(), name, text));
        }
    }
    std::vector<std::string> inOrder;
    for (const std::string& name : EnumeratedNames()) inOrder.push_back(expected.at(name));
    ASSERT_EQ(inOrder.size(), expected.size());

    std::vector<std::string> read;
    ASSERT_TRUE(ReadList(branch.get(), kSaveFilesKey, read));
    EXPECT_EQ(read, inOrder);
}

TEST_F(RegistryListTest, AnOversizedValueDoesNotHideTheOthers) {
    ASSERT_TRUE(SetRawText(HKEY_CURRENT_USER, ListPath(), "Item0", std::string(5000, 'x')));
    ASSERT_TRUE(SetRawText(HKEY_CURRENT_USER, ListPath(), "Item1", "kept"));
    ASSERT_TRUE(SetRawText(HKEY_CURRENT_USER, ListPath(), "Item2", "kept too"));
    std::vector<std::string> read;
    ASSERT_TRUE(ReadList(branch.get(), kSaveFilesKey, read));
    EXPECT_EQ(read, (std::vector<std::string>{"kept", "kept too"}));
}

TEST_F(RegistryListTest, MissingListIsCreatedEmpty) {
    std::vector<std::string> read{"stale"};
    ASSERT_TRUE(ReadList(branch.get(), kMoveCopyFoldersKey, read));
    EXPECT_TRUE(read.empty());
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, std::string(kTestBranch) + "\\MoveCopyFolders"));
    EXPECT_FALSE(ReadList(nullptr, kMoveCopyFoldersKey, read));
    EXPECT_FALSE(WriteList(nullptr, kMoveCopyFoldersKey, {"x"}));
    EXPECT_FALSE(WriteList(branch.get(), "", {"x"}));
}

}  // namespace
