// Starting the real Kestrum.exe: hidden or shown as the settings say, and only one copy at a time.
//
// Arguments: the host paths of Kestrum.exe and open_documents.exe (not needed here).
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "kestrum_process.h"
#include "wine_test_support.h"

using namespace std::chrono_literals;
using namespace testsupport;

namespace {

std::string kestrumExe;

class StartUp : public testing::Test {
protected:
    void SetUp() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch); }
    void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, kBranch); }

    static void StoreMinimized(DWORD value) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kBranch, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        ::RegSetValueExA(key, "Minimized", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        ::RegCloseKey(key);
    }

    static constexpr char kBranch[] = "Software\\Quillon Works\\Kestrum";
    ScratchFolder first_{"kestrum-start"};
    ScratchFolder second_{"kestrum-start-2"};
};

TEST_F(StartUp, ARunMinimizedStartKeepsTheWindowHidden) {
    KestrumProcess kestrum(kestrumExe, first_.Path());
    ASSERT_TRUE(kestrum.Started() && kestrum.Window() != nullptr);
    EXPECT_FALSE(::IsWindowVisible(kestrum.Window()));
    EXPECT_TRUE(kestrum.ExitWithin(2s));
}

TEST_F(StartUp, WithoutRunMinimizedTheWindowIsShown) {
    StoreMinimized(0);
    KestrumProcess kestrum(kestrumExe, first_.Path());
    ASSERT_TRUE(kestrum.Started() && kestrum.Window() != nullptr);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(kestrum.Window()) != FALSE; }, 5s));
    char caption[64] = {};
    ::GetWindowTextA(kestrum.Window(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Kestrum");
    EXPECT_TRUE(kestrum.ExitWithin(2s));
}

TEST_F(StartUp, ASecondStartShowsTheRunningCopyAndEnds) {
    KestrumProcess kestrum(kestrumExe, first_.Path());
    ASSERT_TRUE(kestrum.Started() && kestrum.Window() != nullptr);
    ASSERT_FALSE(::IsWindowVisible(kestrum.Window()));

    // A second copy, from another folder: it must end by itself, without a window of its own.
    const std::string secondExe = second_.Path() + "Kestrum.exe";
    ASSERT_TRUE(::CopyFileA(kestrumExe.c_str(), secondExe.c_str(), FALSE));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION second{};
    std::string commandLine = "\"" + secondExe + "\"";
    ASSERT_TRUE(::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 second_.Path().c_str(), &startup, &second));
    const bool ended = ::WaitForSingleObject(second.hProcess, 5000) == WAIT_OBJECT_0;
    if (!ended) ::TerminateProcess(second.hProcess, 1);
    DWORD code = 1;
    ::GetExitCodeProcess(second.hProcess, &code);
    ::CloseHandle(second.hThread);
    ::CloseHandle(second.hProcess);
    EXPECT_TRUE(ended);
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(kestrum.Window()) != FALSE; }, 5s));
    EXPECT_EQ(::GetFileAttributesA((second_.Path() + "Kestrum.dat").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the second copy touched no file";
    EXPECT_TRUE(kestrum.ExitWithin(2s));
}

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: start_up_e2e_tests KESTRUM_EXE [OPEN_DOCUMENTS_EXE] (host paths)\n");
        return 2;
    }
    kestrumExe = HostPathToWindows(argv[1]);
    return RUN_ALL_TESTS();
}
