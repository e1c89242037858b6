// The autorun entry in the machine-wide Run key, in both variants. Each test puts back the
// entry it found.
#include "settings/autorun.h"

#include <gtest/gtest.h>

#include "settings/settings_table.h"
#include "registry_test_support.h"

namespace {

const std::string kRunPath(kRunKeyPath);

class AutorunTest : public testing::Test {
protected:
    void SetUp() override { original = GetRaw(HKEY_LOCAL_MACHINE, kRunPath, entry.valueName); }
    void TearDown() override {
        const UniqueRegKey run = CreateRawKey(HKEY_LOCAL_MACHINE, kRunPath);
        if (original.exists) {
            ::RegSetValueExA(run.get(), entry.valueName.c_str(), 0, original.type, original.data.data(),
                             static_cast<DWORD>(original.data.size()));
        } else {
            ::RegDeleteValueA(run.get(), entry.valueName.c_str());
        }
    }

    RawValue Entry() const { return GetRaw(HKEY_LOCAL_MACHINE, kRunPath, entry.valueName); }

    AutorunEntry entry = ProgramAutorunEntry();
    RawValue original;
};

TEST_F(AutorunTest, EntryIsTheProgramsFullPathUnderItsName) {
    char path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(entry.valueName, "Kestrum");
    EXPECT_EQ(entry.command, AutorunCommand(std::string(path, length)));
    EXPECT_EQ(entry.command.find(' '), std::string::npos);  // the build tree has no blanks: no quotes
    EXPECT_TRUE(entry.command.ends_with(".exe"));
}

TEST_F(AutorunTest, StartupVariantWritesAndRemovesTheEntry) {
    ASSERT_TRUE(ApplyAutorunAtStartup(entry, true));
    const RawValue written = Entry();
    ASSERT_TRUE(written.exists);
    EXPECT_EQ(written.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(RawText(written), entry.command);

    ASSERT_TRUE(ApplyAutorunAtStartup(entry, false));
    EXPECT_FALSE(Entry().exists);
    EXPECT_TRUE(ApplyAutorunAtStartup(entry, false));  // already off
}

TEST_F(AutorunTest, OptionsVariantReportsRegistryCodes) {
    EXPECT_EQ(ApplyAutorunFromOptions(entry, true), ERROR_SUCCESS);
    EXPECT_EQ(RawText(Entry()), entry.command);
    EXPECT_EQ(ApplyAutorunFromOptions(entry, false), ERROR_SUCCESS);
    EXPECT_FALSE(Entry().exists);
    EXPECT_EQ(ApplyAutorunFromOptions(entry, false), ERROR_SUCCESS);

    // A failed write is reported, not hidden behind a successful close.
    const AutorunEntry nameless{"", entry.command};
    EXPECT_NE(ApplyAutorunFromOptions(nameless, true), ERROR_SUCCESS);
    EXPECT_FALSE(ApplyAutorunAtStartup(nameless, true));
}

}  // namespace
